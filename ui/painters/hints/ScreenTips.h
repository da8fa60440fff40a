// Screen tips: rich tooltips of up to three bands — a header, a description and a footer — each with
// plain or rich text and an optional glyph. Screen tips are the items of a screen-tip repository, which
// also holds the band fonts, a standard footer the tips may share and the switch that shows every tip as
// a plain tooltip.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Persistent.h"
#include "platform/rtl/Set.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/base/ComponentCollection.h"
#include "ui/core/base/Components.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TBitmap;
class TFont;
class TovScreenTip;
class TovScreenTipRepository;

enum TovScreenTipBandType : std::uint8_t { stbHeader, stbDescription, stbFooter };
constexpr int ovScreenTipBandTypeCount = 3;
enum TovScreenTipBandTextAlign : std::uint8_t { stbtaLeft, stbtaRight };
using TovScreenTipRepositoryFonts = Set<TovScreenTipBandType, 8>;

// The colour of the built-in band fonts.
constexpr TColor ovScreenTipDefaultTextColor = 0x004C4C4C;

class TovCustomScreenTipBand : public TPersistent {
public:
    explicit TovCustomScreenTipBand(TovScreenTipBandType ABandType);
    ~TovCustomScreenTipBand() override;
    // Text, TextAlign, Glyph, GlyphFixedWidth and PlainText.
    void Assign(TPersistent* Source) override;

    TovScreenTipBandType BandType() const { return FBandType; }
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies the bitmap; always a change.
    void SetGlyph(TBitmap* AValue);
    bool HasGlyph() const;
    bool GlyphFixedWidth() const { return FGlyphFixedWidth; }
    void SetGlyphFixedWidth(bool AValue);
    // False: the text is rich text.
    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool AValue);
    const std::string& Text() const { return FText; }
    void SetText(const std::string& AValue);
    TovScreenTipBandTextAlign TextAlign() const { return FTextAlign; }
    void SetTextAlign(TovScreenTipBandTextAlign AValue);

    TNotifyEvent OnChange;

    virtual void Changed() { OnChange(this); }
    // The font the band's text is drawn in, and whether it is the built-in one.
    virtual TFont* GetFont() = 0;
    virtual bool IsDefaultFont() = 0;

private:
    TovScreenTipBandType FBandType;
    std::unique_ptr<TBitmap> FGlyph;
    bool FGlyphFixedWidth = true;
    bool FPlainText = true;
    std::string FText;
    TovScreenTipBandTextAlign FTextAlign = stbtaRight;
};

// A band of a screen tip: its fonts come from the tip's repository.
class TovScreenTipBand : public TovCustomScreenTipBand {
public:
    TovScreenTipBand(TovScreenTip* AScreenTip, TovScreenTipBandType ABandType);
    TovScreenTip* ScreenTip() const { return FScreenTip; }
    TFont* GetFont() override;
    bool IsDefaultFont() override;

private:
    TovScreenTip* FScreenTip;
};

// The repository's standard footer.
class TovScreenTipFooterBand : public TovCustomScreenTipBand {
public:
    explicit TovScreenTipFooterBand(TovScreenTipRepository* ARepository);
    TFont* GetFont() override;
    bool IsDefaultFont() override;

private:
    TovScreenTipRepository* FRepository;
};

class TovScreenTipCollection;

class TovScreenTip : public TuiComponentCollectionItem {
public:
    explicit TovScreenTip(TComponent* AOwner);
    ~TovScreenTip() override;
    // The three bands, UseHintAsHeader, UseStandardFooter and Width.
    void Assign(TPersistent* Source) override;
    // A header text equal to the old name follows the new name.
    void SetName(const std::string& NewName) override;
    std::string GetDisplayName() const override;

    TovScreenTipBand* Bands(TovScreenTipBandType AType) const { return FBands[AType].get(); }
    TovScreenTipBand* Header() const { return Bands(stbHeader); }
    TovScreenTipBand* Description() const { return Bands(stbDescription); }
    TovScreenTipBand* Footer() const { return Bands(stbFooter); }
    void SetHeader(TovScreenTipBand* AValue) { Header()->Assign(AValue); }
    void SetDescription(TovScreenTipBand* AValue) { Description()->Assign(AValue); }
    void SetFooter(TovScreenTipBand* AValue) { Footer()->Assign(AValue); }
    bool UseHintAsHeader() const { return FUseHintAsHeader; }
    void SetUseHintAsHeader(bool AValue) { FUseHintAsHeader = AValue; }
    bool UseStandardFooter() const { return FUseStandardFooter; }
    void SetUseStandardFooter(bool AValue) { FUseStandardFooter = AValue; }
    // 0: automatic (see GetWidth).
    int Width() const { return FWidth; }
    void SetWidth(int AValue) { FWidth = AValue; }

    TovScreenTipRepository* Repository() const;
    // The repository's standard footer for the footer when UseStandardFooter, else the tip's own band.
    TovCustomScreenTipBand* GetBandForLayout(TovScreenTipBandType AType) const;

    virtual TovScreenTipCollection* GetCollection() const;
    // Width, or 318 pixels with a description glyph and 210 without, at the current DPI.
    virtual int GetWidth() const;

protected:
    TuiComponentCollection* GetCollectionFromParent(TComponent* AParent) override;

private:
    std::array<std::unique_ptr<TovScreenTipBand>, ovScreenTipBandTypeCount> FBands;
    bool FUseHintAsHeader = false;
    bool FUseStandardFooter = false;
    int FWidth = 0;
};

class TovScreenTipCollection : public TuiComponentCollection {
public:
    explicit TovScreenTipCollection(TovScreenTipRepository* ARepository);
    TovScreenTipRepository* Repository() const { return FRepository; }
    TovScreenTip* Items(int AIndex) const {
        return static_cast<TovScreenTip*>(TuiComponentCollection::Items(AIndex));
    }
    TovScreenTip* Add() { return static_cast<TovScreenTip*>(TuiComponentCollection::Add()); }

protected:
    std::string GetItemPrefixName() const override { return "Tov"; }

private:
    TovScreenTipRepository* FRepository;
};

class TovScreenTipRepository : public TuiCustomComponent {
public:
    explicit TovScreenTipRepository(TComponent* AOwner);
    ~TovScreenTipRepository() override;
    // Items, StandardFooter, the fonts (description, footer, header), AssignedFonts, ShowDescription.
    void Assign(TPersistent* Source) override;

    TovScreenTipRepositoryFonts AssignedFonts() const { return FAssignedFonts; }
    void SetAssignedFonts(const TovScreenTipRepositoryFonts& AValue) { FAssignedFonts = AValue; }
    // The screen tips, made on first use by CreateItems.
    TovScreenTipCollection* Items();
    void SetItems(TovScreenTipCollection* AValue) { Items()->Assign(AValue); }
    // The user's fonts: changing one marks its band type assigned (except while loading).
    TFont* Fonts(TovScreenTipBandType AType) const { return FFonts[AType].get(); }
    void SetFont(TovScreenTipBandType AType, TFont* AValue);
    TFont* HeaderFont() const { return Fonts(stbHeader); }
    TFont* DescriptionFont() const { return Fonts(stbDescription); }
    TFont* FooterFont() const { return Fonts(stbFooter); }
    bool IsFontStored(TovScreenTipBandType AType) const { return FAssignedFonts.Contains(AType); }
    TovScreenTipFooterBand* StandardFooter() const { return FStandardFooter.get(); }
    void SetStandardFooter(TovScreenTipFooterBand* AValue) { FStandardFooter->Assign(AValue); }
    // False shows every screen tip as a plain tooltip.
    bool ShowDescription() const { return FShowDescription; }
    void SetShowDescription(bool AValue) { FShowDescription = AValue; }
    // Whether the font of a band type is the built-in one (its colour is the built-in colour).
    bool IsDefaultFont(TovScreenTipBandType AType);
    // The screen tips owned by ARoot: the children a form stores.
    void GetChildren(const std::function<void(TComponent*)>& AProc, TComponent* ARoot);

    virtual TovScreenTipCollection* CreateItems();
    // The user font when assigned; otherwise a scratch copy of the hint font in the built-in colour,
    // bold for the header and the footer.
    virtual TFont* GetFont(TovScreenTipBandType AType);

private:
    void FontChanged(TovScreenTipBandType AType);

    TovScreenTipRepositoryFonts FAssignedFonts;
    std::unique_ptr<TovScreenTipCollection> FItems;
    std::array<std::unique_ptr<TFont>, ovScreenTipBandTypeCount> FFonts;
    std::unique_ptr<TFont> FScratchFont;
    std::unique_ptr<TovScreenTipFooterBand> FStandardFooter;
    bool FShowDescription = true;
    int FFontLock = 0;
};

// The built-in font of a band type: the screen's hint font in the built-in colour, bold for the header
// and the footer.
void ovAssignDefaultScreenTipFont(TFont* AFont, TovScreenTipBandType AType);
