#include "ui/core/controls/LookAndFeel.h"

#include "platform/rtl/StrUtils.h"
#include "ui/core/controls/SystemPaletteNotifier.h"
#include "ui/core/skins/SkinCanvas.h"

bool (*uiClassSupportsSkinFunc)(TObject* AObject) = nullptr;

namespace {

TuiLookAndFeel* Root = nullptr;
bool TouchModeFlag = false;
bool SkinsAllowed = true;
int ControllerCount = 0;

IuiLookAndFeelChangeListener* AsListener(TObject* AObject) {
    return dynamic_cast<IuiLookAndFeelChangeListener*>(AObject);
}

bool IsController(IuiLookAndFeelChangeListener* AListener) {
    return dynamic_cast<TuiLookAndFeelController*>(AListener->GetObject()) != nullptr;
}

} // namespace

TuiLookAndFeelStyle uiLookAndFeelStyleOfKind(TuiLookAndFeelKind AKind) {
    static constexpr TuiLookAndFeelStyle Styles[] = {lfsFlat, lfsStandard, lfsUltraFlat, lfsOffice11};
    return Styles[AKind];
}

TuiLookAndFeelKind uiLookAndFeelKindOfStyle(TuiLookAndFeelStyle AStyle) {
    static constexpr TuiLookAndFeelKind Kinds[] = {lfFlat,     lfStandard, lfUltraFlat,
                                                   lfStandard, lfOffice11, lfUltraFlat};
    return AStyle < 6 ? Kinds[AStyle] : lfUltraFlat;
}

bool ClassSupportsSkin(TObject* AObject) {
    if (auto* support2 = dynamic_cast<IovSkinSupport2*>(AObject)) return support2->IsSkinSupported();
    return dynamic_cast<IovSkinSupport*>(AObject) != nullptr;
}

TuiLookAndFeel* RootLookAndFeel() {
    return Root;
}

bool uiTouchMode() {
    return TouchModeFlag;
}

bool uiSkinsAllowed() {
    return SkinsAllowed;
}

int uiLookAndFeelControllerCount() {
    return ControllerCount;
}

// ---- TuiLookAndFeel

TuiLookAndFeel::TuiLookAndFeel(TPersistent* AOwner)
    : TuiInterfacedPersistent(AOwner), FListeners(std::make_unique<TuiObjectList>(false)) {
    FCurrentState = FData;
    FCurrentSkinsAllowed = SkinsAllowed;
    FSystemPaletteNotifier = std::make_unique<TuiSystemPaletteChangedNotifier>(false);
    FSystemPaletteNotifier->OnSystemPaletteChanged = TEvent<>(this, &TuiLookAndFeel::SystemPaletteChanged);
    if (Root != nullptr) {
        Root->AddChangeListener(this);
        UpdateCurrentState();
    }
    InitializePainter();
}

TuiLookAndFeel::~TuiLookAndFeel() {
    FSystemPaletteNotifier.reset();
    FIsDestroying = true;
    const int count = FListeners->Count();
    for (int i = 0; i < count && i < FListeners->Count(); ++i)
        if (auto* listener = AsListener(FListeners->Items(i))) listener->MasterIsDestroying(this);
    FIsDestroying = false;
    FListeners.reset();
    if (TuiLookAndFeel* master = MasterLookAndFeel()) master->RemoveChangeListener(this);
    if (FIsRoot) Root = nullptr;
}

void TuiLookAndFeel::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TuiLookAndFeel*>(Source);
    if (source == nullptr) {
        TuiInterfacedPersistent::Assign(Source);
        return;
    }
    SaveState();
    FData = source->FData;
    FAssignedValues = source->FAssignedValues;
    SetMasterLookAndFeel(source->MasterLookAndFeel());
    CheckStateChanges();
}

void TuiLookAndFeel::SetKind(TuiLookAndFeelKind AValue) {
    const TuiLookAndFeelKind previous = FCurrentState.Kind;
    FAssignedValues += lfvKind;
    FData.Kind = AValue;
    if (ResolveKind() != previous) Changed({lfvKind});
}

void TuiLookAndFeel::SetNativeStyle(bool AValue) {
    const bool previous = FCurrentState.NativeStyle;
    FAssignedValues += lfvNativeStyle;
    FData.NativeStyle = AValue;
    if (ResolveNativeStyle() != previous) Changed({lfvNativeStyle});
}

void TuiLookAndFeel::SetSkinName(const TovSkinName& AValue) {
    const TovSkinName previous = FCurrentState.SkinName;
    FAssignedValues += lfvSkinName;
    FData.SkinName = AValue;
    if (ResolveSkinName() != previous) Changed({lfvSkinName});
}

void TuiLookAndFeel::SetAssignedValues(TuiLookAndFeelValues AValue) {
    if (AValue == FAssignedValues) return;
    SaveState();
    FAssignedValues = AValue;
    CheckStateChanges();
}

TuiLookAndFeel* TuiLookAndFeel::MasterLookAndFeel() const {
    if (FIsRoot) return nullptr;
    return FMasterLookAndFeel != nullptr ? FMasterLookAndFeel : Root;
}

void TuiLookAndFeel::SetMasterLookAndFeel(TuiLookAndFeel* AValue) {
    if (FIsRoot || AValue == this || AValue == MasterLookAndFeel()) return;
    SaveState();
    if (TuiLookAndFeel* master = MasterLookAndFeel()) master->RemoveChangeListener(this);
    FMasterLookAndFeel = AValue;
    if (TuiLookAndFeel* master = MasterLookAndFeel()) master->AddChangeListener(this);
    CheckStateChanges();
}

void TuiLookAndFeel::SetStyle(TuiLookAndFeelStyle AStyle) {
    SetNativeStyle(AStyle == lfsNative);
    if (!NativeStyle()) SetKind(uiLookAndFeelKindOfStyle(AStyle));
}

TuiLookAndFeelStyle TuiLookAndFeel::ActiveStyle() {
    if (FCurrentState.NativeStyle && AreVisualStylesAvailable()) return lfsNative;
    if (FSkinPainter != nullptr) return lfsSkin;
    return uiLookAndFeelStyleOfKind(FCurrentState.Kind);
}

void TuiLookAndFeel::Refresh() {
    Changed({lfvKind, lfvNativeStyle, lfvSkinName});
}

void TuiLookAndFeel::Reset() {
    SetAssignedValues({});
    if (FIsRoot) {
        TouchModeFlag = false;
        SkinsAllowed = true;
        ovSkinImageSet = 0;
    }
}

TuiLookAndFeelPainterBase* TuiLookAndFeel::GetAvailablePainterForType(TovThemedObjectType AType) {
    return GetAvailablePainter({AType});
}

void TuiLookAndFeel::AddChangeListener(TObject* AListener) {
    IuiLookAndFeelChangeListener* listener = AsListener(AListener);
    if (listener == nullptr) return;
    const bool controller = IsController(listener);
    if (controller && !FIsRoot) return;
    if (FListeners->IndexOf(AListener) >= 0) return;
    if (controller) ++ControllerCount;
    FListeners->Add(AListener);
}

void TuiLookAndFeel::RemoveChangeListener(TObject* AListener) {
    IuiLookAndFeelChangeListener* listener = AsListener(AListener);
    if (listener == nullptr || !FListeners || FListeners->IndexOf(AListener) < 0) return;
    if (!FIsDestroying) FListeners->Remove(AListener);
    if (FIsRoot && IsController(listener)) {
        --ControllerCount;
        if (ControllerCount == 0) Reset();
    }
}

int TuiLookAndFeel::ListenerCount() const {
    return FListeners ? FListeners->Count() : 0;
}

void TuiLookAndFeel::MasterLookAndFeelChanged(TuiLookAndFeel*, TuiLookAndFeelValues AChangedValues) {
    Changed(AChangedValues - FAssignedValues);
}

void TuiLookAndFeel::MasterIsDestroying(TuiLookAndFeel*) {
    SetMasterLookAndFeel(nullptr);
}

void TuiLookAndFeel::MasterLookAndFeelBeginChange() {
    OnMasterBeginChange(this);
}

void TuiLookAndFeel::MasterLookAndFeelEndChange() {
    OnMasterEndChange(this);
}

TuiLookAndFeelPainterBase* TuiLookAndFeel::GetSkinPainter(const TovSkinName& AName) {
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    if (!SkinsAllowed || AName.empty() || registry == nullptr) return nullptr;
    return registry->GetPainterByName(AName);
}

void TuiLookAndFeel::UpdateCurrentState() {
    FCurrentState.Kind = ResolveKind();
    FCurrentState.NativeStyle = ResolveNativeStyle();
    FCurrentState.SkinName = ResolveSkinName();
    FCurrentSkinsAllowed = SkinsAllowed;
    FSkinPainter = FCurrentState.NativeStyle ? nullptr : ResolveSkinPainter();
}

void TuiLookAndFeel::InitializePainter() {
    FPainter = GetAvailablePainter({});
}

TuiLookAndFeelKind TuiLookAndFeel::ResolveKind() {
    if (FAssignedValues.Contains(lfvKind)) return FData.Kind;
    if (FIsRoot) return lfUltraFlat;
    if (TuiLookAndFeel* master = MasterLookAndFeel()) return master->Kind();
    return lfUltraFlat;
}

bool TuiLookAndFeel::ResolveNativeStyle() {
    if (FAssignedValues.Contains(lfvNativeStyle)) return FData.NativeStyle;
    if (FIsRoot) return false;
    if (TuiLookAndFeel* master = MasterLookAndFeel()) return master->NativeStyle();
    return false;
}

TovSkinName TuiLookAndFeel::ResolveSkinName() {
    if (FAssignedValues.Contains(lfvSkinName)) return FData.SkinName;
    if (FIsRoot) return TovSkinName();
    if (TuiLookAndFeel* master = MasterLookAndFeel()) return master->SkinName();
    return TovSkinName();
}

TuiLookAndFeelPainterBase* TuiLookAndFeel::ResolveSkinPainter() {
    if (FAssignedValues.Contains(lfvSkinName)) return GetSkinPainter(FData.SkinName);
    if (FIsRoot) return nullptr;
    if (FMasterLookAndFeel != nullptr)
        return FMasterLookAndFeel->GetSkinPainter(FMasterLookAndFeel->SkinName());
    return Root != nullptr ? Root->GetSkinPainter(Root->SkinName()) : nullptr;
}

void TuiLookAndFeel::SystemPaletteChanged() {
    Changed({lfvNativeStyle});
}

TuiLookAndFeelPainterBase* TuiLookAndFeel::GetAvailablePainter(const TovThemedObjectTypes& ATypes) {
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    if (registry == nullptr) return nullptr;
    if (FCurrentState.NativeStyle && AreVisualStylesAvailable(ATypes))
        return registry->GetPainterByStyle(lfsNative);
    if (FSkinPainter != nullptr) return FSkinPainter;
    return registry->GetPainterByStyle(ActiveStyle());
}

void TuiLookAndFeel::Changed(TuiLookAndFeelValues AValues) {
    if (FIsDestroying) return;
    if (FCurrentSkinsAllowed != SkinsAllowed) AValues += lfvSkinName;
    if (AValues.empty()) return;
    UpdateCurrentState();
    InitializePainter();
    NotifyListeners(AValues);
    OnChanged(this, AValues);
}

void TuiLookAndFeel::SaveState() {
    FPrevState = FCurrentState;
}

void TuiLookAndFeel::CheckStateChanges() {
    TuiLookAndFeelValues changed;
    if (ResolveKind() != FPrevState.Kind) changed += lfvKind;
    if (ResolveNativeStyle() != FPrevState.NativeStyle) changed += lfvNativeStyle;
    if (ResolveSkinName() != FPrevState.SkinName) changed += lfvSkinName;
    Changed(changed);
}

void TuiLookAndFeel::NotifyListeners(TuiLookAndFeelValues AValues) {
    const int beginCount = FListeners->Count();
    for (int i = 0; i < beginCount && i < FListeners->Count(); ++i)
        if (auto* listener2 = dynamic_cast<IuiLookAndFeelChangeListener2*>(FListeners->Items(i)))
            listener2->MasterLookAndFeelBeginChange();
    int i = 0;
    while (i < FListeners->Count()) {
        const int count = FListeners->Count();
        if (auto* listener = AsListener(FListeners->Items(i)))
            listener->MasterLookAndFeelChanged(this, AValues);
        if (!FListeners || FListeners->Count() == count) ++i;
    }
    const int endCount = FListeners->Count();
    for (int j = 0; j < endCount && j < FListeners->Count(); ++j)
        if (auto* listener2 = dynamic_cast<IuiLookAndFeelChangeListener2*>(FListeners->Items(j)))
            listener2->MasterLookAndFeelEndChange();
}

// ---- TuiLookAndFeelController

TuiLookAndFeelController::TuiLookAndFeelController(TComponent* AOwner) : TComponent(AOwner) {
    if (Root != nullptr) Root->AddChangeListener(this);
}

TuiLookAndFeelController::~TuiLookAndFeelController() {
    if (Root != nullptr) Root->RemoveChangeListener(this);
}

TuiLookAndFeelKind TuiLookAndFeelController::Kind() const {
    return Root != nullptr ? Root->Kind() : lfUltraFlat;
}

void TuiLookAndFeelController::SetKind(TuiLookAndFeelKind AValue) {
    if (Root != nullptr) Root->SetKind(AValue);
}

bool TuiLookAndFeelController::NativeStyle() const {
    return Root != nullptr && Root->NativeStyle();
}

void TuiLookAndFeelController::SetNativeStyle(bool AValue) {
    if (Root != nullptr) Root->SetNativeStyle(AValue);
}

TovSkinName TuiLookAndFeelController::SkinName() const {
    return Root != nullptr ? Root->SkinName() : TovSkinName();
}

void TuiLookAndFeelController::SetSkinName(const TovSkinName& AValue) {
    if (Root != nullptr) Root->SetSkinName(AValue);
}

bool TuiLookAndFeelController::IsSkinNameStored() const {
    return !SkinName().empty();
}

bool TuiLookAndFeelController::TouchMode() const {
    return TouchModeFlag;
}

void TuiLookAndFeelController::SetTouchMode(bool AValue) {
    if (AValue == TouchModeFlag) return;
    TouchModeFlag = AValue;
    if (Root != nullptr) Root->Refresh();
}

void TuiLookAndFeelController::Reset() {
    if (Root != nullptr) Root->Reset();
}

// Only the form designer cares (it marks the form modified); nothing at run time.
void TuiLookAndFeelController::MasterLookAndFeelChanged(TuiLookAndFeel*, TuiLookAndFeelValues) {}
void TuiLookAndFeelController::MasterIsDestroying(TuiLookAndFeel*) {}

// ---- Unit

void uiLookAndFeelUnitStart() {
    if (Root != nullptr) return;
    TouchModeFlag = false;
    SkinsAllowed = true;
    ControllerCount = 0;
    uiClassSupportsSkinFunc = &ClassSupportsSkin;
    auto* root = new TuiLookAndFeel(nullptr);
    root->FIsRoot = true;
    Root = root;
}

void uiLookAndFeelUnitEnd() {
    delete Root;
    Root = nullptr;
    uiClassSupportsSkinFunc = nullptr;
}
