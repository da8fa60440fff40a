#include "ui/painters/hints/ScreenTipStyle.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Control.h"
#include "platform/vcl/ShortCuts.h"
#include "ui/core/base/Registries.h"
#include "ui/painters/hints/HintController.h"
#include "ui/painters/hints/RichTextHelper.h"
#include "ui/painters/hints/ScreenTipWindow.h"
#include "ui/painters/hints/ScreenTips.h"

namespace screen_tip_style_detail {

bool IsReferenced(TovCustomScreenTipLinks* ALinks, TComponent* AComponent,
                  const TovCustomScreenTipLink* AExcept) {
    if (ALinks == nullptr) return false;
    for (int i = 0; i < ALinks->Count(); ++i) {
        TovCustomScreenTipLink* link = ALinks->Items(i);
        if (link != AExcept &&
            (link->Component() == AComponent || static_cast<TComponent*>(link->ScreenTip()) == AComponent))
            return true;
    }
    return false;
}

} // namespace screen_tip_style_detail

using namespace screen_tip_style_detail;

// ---- Links

TovCustomScreenTipLink::~TovCustomScreenTipLink() {
    Watch(FComponent, nullptr);
    Watch(FScreenTip, nullptr);
}

TovCustomScreenTipLinks* TovCustomScreenTipLink::Links() const {
    return static_cast<TovCustomScreenTipLinks*>(Collection());
}

void TovCustomScreenTipLink::Watch(TComponent* AOld, TComponent* ANew) {
    TovCustomScreenTipLinks* links = Links();
    TComponent* target =
        links != nullptr && links->Style() != nullptr ? links->Style()->NotificationTarget() : nullptr;
    if (target == nullptr) return;
    TovScreenTipStyle* style = links->Style();
    // Another link may still need the notices of the old component.
    if (AOld != nullptr && !IsReferenced(style->ScreenTipLinks(), AOld, this) &&
        !IsReferenced(style->ScreenTipActionLinks(), AOld, this))
        target->RemoveFreeNotification(AOld);
    if (ANew != nullptr) target->FreeNotification(ANew);
}

void TovCustomScreenTipLink::SetComponent(TComponent* AValue) {
    if (FComponent == AValue) return;
    TComponent* old = FComponent;
    FComponent = AValue;
    Watch(old, AValue);
}

void TovCustomScreenTipLink::SetScreenTip(TovScreenTip* AValue) {
    if (FScreenTip == AValue) return;
    TovScreenTip* old = FScreenTip;
    FScreenTip = AValue;
    Watch(old, AValue);
}

void TovCustomScreenTipLink::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovCustomScreenTipLink*>(Source);
    if (source == nullptr) return TCollectionItem::Assign(Source);
    SetComponent(source->Component());
    SetScreenTip(source->ScreenTip());
}

TControl* TovScreenTipLink::Control() const {
    if (Component() == nullptr) return nullptr;
    auto* control = dynamic_cast<TControl*>(Component());
    if (control == nullptr) throw EInvalidCast("Invalid class typecast");
    return control;
}

void TovScreenTipLink::SetControl(TComponent* AValue) {
    if (AValue != nullptr && dynamic_cast<TControl*>(AValue) == nullptr)
        throw EInvalidCast("Invalid class typecast");
    SetComponent(AValue);
}

TBasicAction* TovScreenTipActionLink::Action() const {
    if (Component() == nullptr) return nullptr;
    auto* action = dynamic_cast<TBasicAction*>(Component());
    if (action == nullptr) throw EInvalidCast("Invalid class typecast");
    return action;
}

void TovScreenTipActionLink::SetAction(TComponent* AValue) {
    if (AValue != nullptr && dynamic_cast<TBasicAction*>(AValue) == nullptr)
        throw EInvalidCast("Invalid class typecast");
    SetComponent(AValue);
}

TovCustomScreenTipLinks::TovCustomScreenTipLinks(TovScreenTipStyle* AStyle, TCollectionItemClass ALinkClass)
    : TCollection(std::move(ALinkClass)), FStyle(AStyle) {}

TPersistent* TovCustomScreenTipLinks::GetOwner() {
    return FStyle;
}

TovCustomScreenTipLink* TovCustomScreenTipLinks::Items(int AIndex) const {
    return static_cast<TovCustomScreenTipLink*>(TCollection::Items(AIndex));
}

TovCustomScreenTipLink* TovCustomScreenTipLinks::FindLink(TComponent* AComponent) const {
    if (AComponent == nullptr) return nullptr;
    for (int i = 0; i < Count(); ++i) {
        TovCustomScreenTipLink* link = Items(i);
        if (link->Component() == AComponent || static_cast<TComponent*>(link->ScreenTip()) == AComponent)
            return link;
    }
    return nullptr;
}

TovScreenTip* TovCustomScreenTipLinks::FindScreenTip(TComponent* AComponent) const {
    TovCustomScreenTipLink* link = FindLink(AComponent);
    return link != nullptr ? link->ScreenTip() : nullptr;
}

TovScreenTipLinks::TovScreenTipLinks(TovScreenTipStyle* AStyle)
    : TovCustomScreenTipLinks(AStyle, CollectionItemClass<TovScreenTipLink>()) {}

TovScreenTipActionLinks::TovScreenTipActionLinks(TovScreenTipStyle* AStyle)
    : TovCustomScreenTipLinks(AStyle, CollectionItemClass<TovScreenTipActionLink>()) {}

// ---- Style

TovScreenTipStyle::TovScreenTipStyle(TPersistent* AOwner)
    : TuiCustomHintStyle(AOwner), FScreenTipLinks(std::make_unique<TovScreenTipLinks>(this)),
      FScreenTipActionLinks(std::make_unique<TovScreenTipActionLinks>(this)) {}

TovScreenTipStyle::~TovScreenTipStyle() {
    FScreenTipActionLinks.reset();
    FScreenTipLinks.reset();
}

TComponent* TovScreenTipStyle::NotificationTarget() {
    return dynamic_cast<TComponent*>(GetOwner());
}

void TovScreenTipStyle::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovScreenTipStyle*>(Source);
    if (source == nullptr) return TuiCustomHintStyle::Assign(Source);
    FScreenTipLinks->Assign(source->ScreenTipLinks());
    FScreenTipActionLinks->Assign(source->ScreenTipActionLinks());
}

THintWindowClass TovScreenTipStyle::HintWindowClassOf() {
    return ::HintWindowClassOf<TovScreenTipWindow>();
}

void TovScreenTipStyle::ComponentWasRemoved(TComponent* AComponent) {
    if (FScreenTipLinks == nullptr || FScreenTipActionLinks == nullptr) return;
    // The component is being destroyed: it is recognised by address only.
    for (TovCustomScreenTipLinks* links :
         {static_cast<TovCustomScreenTipLinks*>(FScreenTipLinks.get()),
          static_cast<TovCustomScreenTipLinks*>(FScreenTipActionLinks.get())}) {
        for (int i = 0; i < links->Count(); ++i) {
            TovCustomScreenTipLink* link = links->Items(i);
            if (static_cast<TComponent*>(link->ScreenTip()) == AComponent) link->SetScreenTip(nullptr);
            if (link->Component() == AComponent) link->SetComponent(nullptr);
        }
    }
}

bool TovScreenTipStyle::FindScreenTip(TControl* AControl, TovScreenTip*& AScreenTip,
                                      std::string& AShortCutText) {
    AShortCutText.clear();
    AScreenTip = nullptr;
    if (AControl == nullptr) return false;
    TBasicAction* action = AControl->Action();
    AScreenTip = FScreenTipLinks->FindScreenTip(AControl);
    if (AScreenTip == nullptr && action != nullptr) AScreenTip = FScreenTipActionLinks->FindScreenTip(action);
    if (AScreenTip != nullptr) {
        if (auto* customAction = dynamic_cast<TCustomAction*>(action);
            customAction != nullptr && customAction->ShortCut() != scNone)
            AShortCutText = Format(" (%s)", {ShortCutToText(customAction->ShortCut())});
        return true;
    }
    auto* provider = dynamic_cast<IovScreenTipProvider*>(AControl);
    if (provider == nullptr)
        if (auto* host = dynamic_cast<IovHintHost*>(AControl))
            provider = dynamic_cast<IovScreenTipProvider*>(host->GetHintHostComponent());
    if (provider == nullptr) return false;
    AScreenTip = provider->GetScreenTip();
    if (AScreenTip == nullptr)
        if (TBasicAction* providerAction = provider->GetAction())
            AScreenTip = FScreenTipActionLinks->FindScreenTip(providerAction);
    AShortCutText = provider->GetShortCutText();
    return AScreenTip != nullptr;
}

void TovScreenTipStyle::ShowHintHook(std::string& AHintText, bool&, THintInfo& AHintInfo) {
    if (!AHintText.empty()) return;
    TovScreenTip* tip = nullptr;
    std::string shortCut;
    if (!FindScreenTip(AHintInfo.HintControl, tip, shortCut) || tip->UseHintAsHeader()) return;
    AHintText = tip->Header()->Text().empty() ? std::string(" ") : tip->Header()->Text();
    AHintInfo.HintStr = AHintText;
}

// ---- Unit

void uiScreenTipsInitialize() {
    RegisterClasses<TovScreenTip, TovScreenTipRepository, TovScreenTipStyle>();
    ovGetRegisteredHintStyles()->Register(uiClassOf<TovScreenTipStyle>(), "ScreenTip");
}

void uiScreenTipsFinalize() {
    uiFreeRichTextHelpers();
}
