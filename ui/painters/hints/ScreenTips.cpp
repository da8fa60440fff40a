#include "ui/painters/hints/ScreenTips.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Screen.h"
#include "ui/core/graphics/ScreenMetrics.h"

namespace screen_tips_detail {

// The fonts of tips outside a repository: one built-in font per band type, kept for the whole program
// (a font freed at exit could outlive the graphics layer it hands its handle back to).
TFont* StandaloneFont(TovScreenTipBandType AType) {
    static TFont* fonts[ovScreenTipBandTypeCount] = {};
    if (fonts[AType] == nullptr) fonts[AType] = new TFont();
    ovAssignDefaultScreenTipFont(fonts[AType], AType);
    return fonts[AType];
}

// Whether a component or an owner up its chain is being loaded.
bool IsLoading(TComponent* AComponent) {
    for (TComponent* c = AComponent; c != nullptr; c = c->Owner())
        if (c->ComponentState().Contains(csLoading)) return true;
    return false;
}

} // namespace screen_tips_detail

using namespace screen_tips_detail;

void ovAssignDefaultScreenTipFont(TFont* AFont, TovScreenTipBandType AType) {
    if (Screen() != nullptr) AFont->Assign(Screen()->HintFont());
    AFont->SetColor(ovScreenTipDefaultTextColor);
    TFontStyles style = AFont->Style();
    if (AType == stbDescription)
        style.Exclude(fsBold);
    else
        style.Include(fsBold);
    AFont->SetStyle(style);
}

// ---- Bands

TovCustomScreenTipBand::TovCustomScreenTipBand(TovScreenTipBandType ABandType)
    : FBandType(ABandType), FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->SetTransparent(true);
}

TovCustomScreenTipBand::~TovCustomScreenTipBand() = default;

void TovCustomScreenTipBand::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovCustomScreenTipBand*>(Source);
    if (source == nullptr) return TPersistent::Assign(Source);
    SetText(source->Text());
    SetTextAlign(source->TextAlign());
    SetGlyph(source->Glyph());
    SetGlyphFixedWidth(source->GlyphFixedWidth());
    SetPlainText(source->PlainText());
}

void TovCustomScreenTipBand::SetGlyph(TBitmap* AValue) {
    FGlyph->Assign(AValue);
    FGlyph->SetTransparent(true);
    Changed();
}

bool TovCustomScreenTipBand::HasGlyph() const {
    return !FGlyph->Empty();
}

void TovCustomScreenTipBand::SetGlyphFixedWidth(bool AValue) {
    if (FGlyphFixedWidth == AValue) return;
    FGlyphFixedWidth = AValue;
    Changed();
}

void TovCustomScreenTipBand::SetPlainText(bool AValue) {
    if (FPlainText == AValue) return;
    FPlainText = AValue;
    Changed();
}

void TovCustomScreenTipBand::SetText(const std::string& AValue) {
    if (FText == AValue) return;
    FText = AValue;
    Changed();
}

void TovCustomScreenTipBand::SetTextAlign(TovScreenTipBandTextAlign AValue) {
    if (FTextAlign == AValue) return;
    FTextAlign = AValue;
    Changed();
}

TovScreenTipBand::TovScreenTipBand(TovScreenTip* AScreenTip, TovScreenTipBandType ABandType)
    : TovCustomScreenTipBand(ABandType), FScreenTip(AScreenTip) {}

TFont* TovScreenTipBand::GetFont() {
    TovScreenTipRepository* repository = FScreenTip != nullptr ? FScreenTip->Repository() : nullptr;
    return repository != nullptr ? repository->GetFont(BandType()) : StandaloneFont(BandType());
}

bool TovScreenTipBand::IsDefaultFont() {
    TovScreenTipRepository* repository = FScreenTip != nullptr ? FScreenTip->Repository() : nullptr;
    return repository != nullptr ? repository->IsDefaultFont(BandType()) : true;
}

TovScreenTipFooterBand::TovScreenTipFooterBand(TovScreenTipRepository* ARepository)
    : TovCustomScreenTipBand(stbFooter), FRepository(ARepository) {}

TFont* TovScreenTipFooterBand::GetFont() {
    return FRepository != nullptr ? FRepository->GetFont(stbFooter) : StandaloneFont(stbFooter);
}

bool TovScreenTipFooterBand::IsDefaultFont() {
    return FRepository != nullptr ? FRepository->IsDefaultFont(stbFooter) : true;
}

// ---- Screen tip

TovScreenTip::TovScreenTip(TComponent* AOwner) : TuiComponentCollectionItem(AOwner) {
    for (int type = 0; type < ovScreenTipBandTypeCount; ++type)
        FBands[type] = std::make_unique<TovScreenTipBand>(this, static_cast<TovScreenTipBandType>(type));
}

TovScreenTip::~TovScreenTip() {
    // The collection hears of the item leaving while the bands still exist.
    SetCollection(nullptr);
}

void TovScreenTip::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovScreenTip*>(Source);
    if (source == nullptr) return TuiComponentCollectionItem::Assign(Source);
    for (int type = 0; type < ovScreenTipBandTypeCount; ++type)
        FBands[type]->Assign(source->FBands[type].get());
    FUseHintAsHeader = source->FUseHintAsHeader;
    FUseStandardFooter = source->FUseStandardFooter;
    FWidth = source->FWidth;
}

void TovScreenTip::SetName(const std::string& NewName) {
    const std::string oldName = Name();
    TuiComponentCollectionItem::SetName(NewName);
    if (Header()->Text() == oldName && !IsLoading(this)) Header()->SetText(Name());
}

std::string TovScreenTip::GetDisplayName() const {
    return Format("%s - '%s'", {Name(), Header()->Text()});
}

TovScreenTipCollection* TovScreenTip::GetCollection() const {
    return static_cast<TovScreenTipCollection*>(Collection());
}

TovScreenTipRepository* TovScreenTip::Repository() const {
    TovScreenTipCollection* collection = GetCollection();
    return collection != nullptr ? collection->Repository() : nullptr;
}

TovCustomScreenTipBand* TovScreenTip::GetBandForLayout(TovScreenTipBandType AType) const {
    if (AType == stbFooter && FUseStandardFooter)
        if (TovScreenTipRepository* repository = Repository()) return repository->StandardFooter();
    return Bands(AType);
}

int TovScreenTip::GetWidth() const {
    if (FWidth != 0) return FWidth;
    return uiScaleToCurrentDPI(Description()->HasGlyph() ? 318 : 210);
}

TuiComponentCollection* TovScreenTip::GetCollectionFromParent(TComponent* AParent) {
    auto* repository = dynamic_cast<TovScreenTipRepository*>(AParent);
    if (repository == nullptr) throw EInvalidCast("Invalid class typecast");
    return repository->Items();
}

TovScreenTipCollection::TovScreenTipCollection(TovScreenTipRepository* ARepository)
    : TuiComponentCollection(ARepository, uiClassOf<TovScreenTip>()), FRepository(ARepository) {}

// ---- Repository

TovScreenTipRepository::TovScreenTipRepository(TComponent* AOwner)
    : TuiCustomComponent(AOwner), FScratchFont(std::make_unique<TFont>()) {
    for (int type = 0; type < ovScreenTipBandTypeCount; ++type) {
        const auto bandType = static_cast<TovScreenTipBandType>(type);
        FFonts[type] = std::make_unique<TFont>();
        ++FFontLock;
        ovAssignDefaultScreenTipFont(FFonts[type].get(), bandType);
        --FFontLock;
        FFonts[type]->OnChange = TNotifyEvent([this, bandType](TObject*) { FontChanged(bandType); }, this);
    }
    FStandardFooter = std::make_unique<TovScreenTipFooterBand>(this);
}

TovScreenTipRepository::~TovScreenTipRepository() {
    FItems.reset();
    FStandardFooter.reset();
    for (auto& font : FFonts) {
        font->OnChange = nullptr;
        font.reset();
    }
    FScratchFont.reset();
}

TovScreenTipCollection* TovScreenTipRepository::Items() {
    if (FItems == nullptr) FItems.reset(CreateItems());
    return FItems.get();
}

TovScreenTipCollection* TovScreenTipRepository::CreateItems() {
    return new TovScreenTipCollection(this);
}

void TovScreenTipRepository::FontChanged(TovScreenTipBandType AType) {
    if (FFontLock == 0 && !ComponentState().Contains(csLoading)) FAssignedFonts.Include(AType);
}

void TovScreenTipRepository::SetFont(TovScreenTipBandType AType, TFont* AValue) {
    FFonts[AType]->Assign(AValue);
}

TFont* TovScreenTipRepository::GetFont(TovScreenTipBandType AType) {
    if (FAssignedFonts.Contains(AType)) return FFonts[AType].get();
    ovAssignDefaultScreenTipFont(FScratchFont.get(), AType);
    return FScratchFont.get();
}

bool TovScreenTipRepository::IsDefaultFont(TovScreenTipBandType AType) {
    return GetFont(AType)->Color() == ovScreenTipDefaultTextColor;
}

void TovScreenTipRepository::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovScreenTipRepository*>(Source);
    if (source == nullptr) return TuiCustomComponent::Assign(Source);
    Items()->Assign(source->Items());
    FStandardFooter->Assign(source->StandardFooter());
    for (TovScreenTipBandType type : {stbDescription, stbFooter, stbHeader})
        SetFont(type, source->Fonts(type));
    FAssignedFonts = source->AssignedFonts();
    FShowDescription = source->ShowDescription();
}

void TovScreenTipRepository::GetChildren(const std::function<void(TComponent*)>& AProc, TComponent* ARoot) {
    TovScreenTipCollection* items = Items();
    for (int i = 0; i < items->Count(); ++i)
        if (items->Items(i)->Owner() == ARoot) AProc(items->Items(i));
}
