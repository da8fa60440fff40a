#include "tools/ribbonsheets/SheetPalette.h"

#include "tools/ribbonsheets/SheetDrawing.h"

#include <stdexcept>

namespace ribbonsheets {

using art::Hex;
using art::Mix;
using art::TRgb;
using ribbonsheets::draw::kWhite;

namespace {

// The warm hot, pressed and checked looks every 2007 and 2010 scheme shares: pale gold when hot, deeper
// amber when pressed, honey when checked (the colours the skins answer for their lit elements).
void WarmLooks(TPalette& P) {
    P.Hot = {Hex(0xE3B45A), 1, Hex(0xFFFBEA), 0.9, Hex(0xFFF4CF), Hex(0xFFE195)};
    P.Highlighted = {Hex(0xECCB86), 1, Hex(0xFFFDF4), 0.9, Hex(0xFFFAE6), Hex(0xFFEDBE)};
    P.Pressed = {Hex(0xB98A3E), 1, Hex(0xF5C874), 0.6, Hex(0xF6BE5E), Hex(0xFCDA93)};
    P.Dropped = {Hex(0xC59545), 1, Hex(0xF9D48A), 0.6, Hex(0xF9CB74), Hex(0xFDE1A6)};
    P.Checked = {Hex(0xCC9B48), 1, Hex(0xFFF3D4), 0.7, Hex(0xFFE5A9), Hex(0xFCCF78)};
    P.CheckedHot = {Hex(0xBC8A3A), 1, Hex(0xFFEDC4), 0.6, Hex(0xFDD486), Hex(0xF8BC55)};
}

TPalette Silver2010() {
    TPalette p;
    p.Style = 1;
    p.Background = Hex(0xE9EDF1);
    p.Text = Hex(0x1E395B);
    p.Edge = Hex(0x878C92);
    p.TabRow = Hex(0xE3E6E8);
    p.BodyTop = Hex(0xFFFFFF);
    p.BodyBottom = Hex(0xF2F4F6);
    p.BodyBorder = Hex(0xB6BBC1);
    p.BodyLight = kWhite;
    p.GroupSeparator = Hex(0xCDD1D6);
    p.GroupSeparatorLight = kWhite;
    p.CaptionTop = Hex(0xF4F6F8);
    p.CaptionBottom = Hex(0xEDF0F3);
    p.TabBorder = Hex(0xB6BBC1);
    p.TabTop = kWhite;
    p.TabBottom = kWhite;
    p.TabHotBorder = Hex(0xCDD1D6);
    p.FrameOuter = Hex(0x9CA1A7);
    p.FrameInner = Hex(0xF7F8F9);
    p.FrameFill = Hex(0xE3E6E8);
    p.FrameInactiveFill = Hex(0xF4F5F6);
    p.CaptionFillTop = Hex(0xEBEDEF);
    p.CaptionFillBottom = Hex(0xE3E6E8);
    p.CaptionInactiveTop = Hex(0xF8F8F8);
    p.CaptionInactiveBottom = Hex(0xFCFCFC);
    p.MenuBack = kWhite;
    p.MenuGlyphColumn = Hex(0xF3F4F6);
    p.MenuBorder = Hex(0xA7ACB2);
    p.MenuSeparator = Hex(0xE1E3E6);
    p.MenuSeparatorLight = kWhite;
    p.TipTop = kWhite;
    p.TipBottom = Hex(0xE6E9ED);
    p.TipBorder = Hex(0x9AA0A7);
    p.FilterTop = Hex(0x8A9098);
    p.FilterBottom = Hex(0x6B7178);
    p.Glyph = Hex(0x4A525C);
    p.GlyphDisabled = Hex(0xB4B8BD);
    p.GlyphLight = kWhite;
    p.ScrollTrack = Hex(0xEEF0F2);
    p.ScrollBorder = Hex(0xD2D5D9);
    p.ScrollThumbTop = Hex(0xFBFBFC);
    p.ScrollThumbBottom = Hex(0xE6E8EB);
    p.ScrollThumbBorder = Hex(0xB3B8BE);
    p.ProgressTop = Hex(0x9BDB74);
    p.ProgressBottom = Hex(0x4DB22E);
    p.ProgressBorder = Hex(0x3F8D28);
    p.StatusTop = Hex(0xEEF0F2);
    p.StatusBottom = Hex(0xDFE3E7);
    p.StatusLine = Hex(0xBDC2C8);
    p.StatusLight = kWhite;
    p.Rest = {Hex(0xC4C9CF), 1, kWhite, 0.8, Hex(0xFDFDFE), Hex(0xEDF0F3)};
    p.Disabled = {Hex(0xDCDFE2), 1, kWhite, 0.5, Hex(0xF8F9FA), Hex(0xF1F3F5)};
    p.DisabledSelected = {Hex(0xD3D6DA), 1, kWhite, 0.7, Hex(0xF9FAFB), Hex(0xEDEFF1)};
    WarmLooks(p);
    p.Accents[0] = Hex(0xE89A2E);
    p.Accents[1] = Hex(0x2B579A);
    p.Accents[2] = Hex(0x207245);
    p.Accents[3] = Hex(0xD24726);
    p.Accents[4] = Hex(0x80387B);
    return p;
}

TPalette Blue2010() {
    TPalette p = Silver2010();
    p.Background = Hex(0xB7CCE4);
    p.Edge = Hex(0x728EAD);
    p.TabRow = Hex(0xBDD0E8);
    p.BodyTop = Hex(0xFDFEFF);
    p.BodyBottom = Hex(0xE3ECF7);
    p.BodyBorder = Hex(0x8DAED7);
    p.GroupSeparator = Hex(0xB9CEE8);
    p.CaptionTop = Hex(0xEDF3FB);
    p.CaptionBottom = Hex(0xE1EAF6);
    p.TabBorder = Hex(0x8DAED7);
    p.TabHotBorder = Hex(0xAFC6E4);
    p.FrameOuter = Hex(0x7E9ABB);
    p.FrameInner = Hex(0xE7EFF9);
    p.FrameFill = Hex(0xBDD0E8);
    p.FrameInactiveFill = Hex(0xDFEBF7);
    p.CaptionFillTop = Hex(0xC8D9EE);
    p.CaptionFillBottom = Hex(0xBDD0E8);
    p.CaptionInactiveTop = Hex(0xE6EFF9);
    p.CaptionInactiveBottom = Hex(0xDFEBF7);
    p.MenuGlyphColumn = Hex(0xEEF3FA);
    p.MenuBorder = Hex(0x8DA8CB);
    p.MenuSeparator = Hex(0xD5E0EE);
    p.TipBottom = Hex(0xDEE8F4);
    p.TipBorder = Hex(0x7C96B6);
    p.Glyph = Hex(0x3A5275);
    p.ScrollTrack = Hex(0xE6EEF8);
    p.ScrollBorder = Hex(0xBFD1E8);
    p.ScrollThumbBottom = Hex(0xD9E5F4);
    p.ScrollThumbBorder = Hex(0x97B2D4);
    p.StatusTop = Hex(0xD9E5F3);
    p.StatusBottom = Hex(0xC6D7EC);
    p.StatusLine = Hex(0x9DB7D8);
    p.Rest = {Hex(0xA9C1DF), 1, kWhite, 0.8, Hex(0xFBFDFF), Hex(0xE2EBF6)};
    p.Disabled = {Hex(0xCAD8EA), 1, kWhite, 0.5, Hex(0xF3F7FB), Hex(0xEAF0F7)};
    return p;
}

TPalette Black2010() {
    TPalette p = Silver2010();
    p.Dark = true;
    p.Background = Hex(0x8B8B8B);
    p.Edge = Hex(0x484848);
    p.TabRow = Hex(0x717171);
    p.BodyTop = Hex(0xEBEBEB);
    p.BodyBottom = Hex(0xCFCFCF);
    p.BodyBorder = Hex(0x5B5B5B);
    p.BodyLight = Hex(0xF7F7F7);
    p.GroupSeparator = Hex(0xAFAFAF);
    p.GroupSeparatorLight = Hex(0xF2F2F2);
    p.CaptionTop = Hex(0xDADADA);
    p.CaptionBottom = Hex(0xCECECE);
    p.TabBorder = Hex(0x5B5B5B);
    p.TabTop = Hex(0xF2F2F2);
    p.TabBottom = Hex(0xEBEBEB);
    p.TabHotBorder = Hex(0x9A9A9A);
    p.FrameOuter = Hex(0x3C3C3C);
    p.FrameInner = Hex(0x8F8F8F);
    p.FrameFill = Hex(0x717171);
    p.FrameInactiveFill = Hex(0x9E9E9E);
    p.CaptionFillTop = Hex(0x7A7A7A);
    p.CaptionFillBottom = Hex(0x717171);
    p.CaptionInactiveTop = Hex(0xA6A6A6);
    p.CaptionInactiveBottom = Hex(0x9E9E9E);
    p.MenuGlyphColumn = Hex(0xEFEFEF);
    p.MenuBorder = Hex(0x5E5E5E);
    p.MenuSeparator = Hex(0xD9D9D9);
    p.TipBottom = Hex(0xE3E3E3);
    p.TipBorder = Hex(0x5E5E5E);
    p.Glyph = Hex(0x2E2E2E);
    p.GlyphLight = Hex(0xE2E2E2);
    p.ScrollTrack = Hex(0xDADADA);
    p.ScrollBorder = Hex(0xA8A8A8);
    p.ScrollThumbBottom = Hex(0xD2D2D2);
    p.ScrollThumbBorder = Hex(0x7C7C7C);
    p.StatusTop = Hex(0x9A9A9A);
    p.StatusBottom = Hex(0x828282);
    p.StatusLine = Hex(0x5C5C5C);
    p.StatusLight = Hex(0xB4B4B4);
    p.Rest = {Hex(0x8E8E8E), 1, Hex(0xFAFAFA), 0.7, Hex(0xF6F6F6), Hex(0xDDDDDD)};
    p.Disabled = {Hex(0xB5B5B5), 1, kWhite, 0.4, Hex(0xEDEDED), Hex(0xE2E2E2)};
    return p;
}

// The 2007 schemes: saturated surfaces, glossy buttons split across their middle.
TPalette Blue2007() {
    TPalette p = Blue2010();
    p.Style = 0;
    p.Glossy = true;
    p.Background = Hex(0xBFDBFF);
    p.Text = Hex(0x15428B);
    p.Edge = Hex(0xA4C3EB);
    p.TabRow = Hex(0xBFDBFF);
    p.BodyTop = Hex(0xDBE8F7);
    p.BodyBottom = Hex(0xC4D9F2);
    p.BodyBorder = Hex(0x8DB2E3);
    p.BodyLight = Hex(0xF1F6FD);
    p.CaptionTop = Hex(0xC2D9F1);
    p.CaptionBottom = Hex(0xAFCAEB);
    p.GroupSeparator = Hex(0x9DBCE6);
    p.FrameFill = Hex(0xBFDBFF);
    p.CaptionFillTop = Hex(0xE3EDFA);
    p.CaptionFillBottom = Hex(0xC4DAF7);
    // Blue 2007 writes the filter band's text in dark blue.
    p.FilterTop = Hex(0xEEF4FC);
    p.FilterBottom = Hex(0xD4E3F5);
    p.StatusTop = Hex(0xD7E6F9);
    p.StatusBottom = Hex(0xB4CFF1);
    p.Glyph = Hex(0x15428B);
    return p;
}

TPalette Black2007() {
    TPalette p = Black2010();
    p.Style = 0;
    p.Glossy = true;
    p.Background = Hex(0x535353);
    p.Text = Hex(0x464646);
    p.Edge = Hex(0x4F4F4F);
    p.TabRow = Hex(0x535353);
    p.BodyTop = Hex(0xF2F2F2);
    p.BodyBottom = Hex(0xD9D9D9);
    p.CaptionTop = Hex(0x6E6E6E);
    p.CaptionBottom = Hex(0x535353);
    p.FrameFill = Hex(0x535353);
    p.CaptionFillTop = Hex(0x6B6B6B);
    p.CaptionFillBottom = Hex(0x4F4F4F);
    return p;
}

TPalette Silver2007() {
    TPalette p = Silver2010();
    p.Style = 0;
    p.Glossy = true;
    p.Background = Hex(0xD0D4DD);
    p.Text = Hex(0x4C535C);
    p.Edge = Hex(0x808080);
    p.TabRow = Hex(0xD0D4DD);
    p.BodyTop = Hex(0xF3F4F6);
    p.BodyBottom = Hex(0xDCDFE5);
    p.BodyBorder = Hex(0xA5ACB8);
    p.CaptionTop = Hex(0xD6DAE1);
    p.CaptionBottom = Hex(0xC2C7D0);
    p.FrameFill = Hex(0xD0D4DD);
    p.CaptionFillTop = Hex(0xE4E7EC);
    p.CaptionFillBottom = Hex(0xCDD2DA);
    return p;
}

// The 2013 sheets: flat, and the glyphs neutral grey masks that the skins tint as they draw them.
TPalette All2013() {
    TPalette p = Silver2010();
    p.Style = 2;
    p.Rounded = false;
    p.Background = kWhite;
    p.Edge = Hex(0xC6C6C6);
    p.TabRow = kWhite;
    p.BodyTop = kWhite;
    p.BodyBottom = kWhite;
    p.BodyBorder = Hex(0xC6C6C6);
    p.CaptionTop = kWhite;
    p.CaptionBottom = kWhite;
    p.GroupSeparator = Hex(0xE1E1E1);
    p.TabBorder = Hex(0xC6C6C6);
    p.FrameOuter = Hex(0xC6C6C6);
    p.FrameInner = kWhite;
    p.FrameFill = kWhite;
    p.FrameInactiveFill = kWhite;
    p.CaptionFillTop = kWhite;
    p.CaptionFillBottom = kWhite;
    p.CaptionInactiveTop = kWhite;
    p.CaptionInactiveBottom = kWhite;
    p.MenuGlyphColumn = kWhite;
    p.MenuBorder = Hex(0xC6C6C6);
    p.MenuSeparator = Hex(0xE5E2DF);
    p.TipTop = kWhite;
    p.TipBottom = kWhite;
    p.TipBorder = Hex(0xBEBEBE);
    p.Glyph = Hex(0x777777);
    p.GlyphDisabled = Hex(0xC6C6C6);
    p.ScrollTrack = Hex(0xF3F3F3);
    p.ScrollBorder = Hex(0xF3F3F3);
    p.ScrollThumbTop = kWhite;
    p.ScrollThumbBottom = kWhite;
    p.ScrollThumbBorder = Hex(0xABABAB);
    p.StatusTop = Hex(0xF3F3F3);
    p.StatusBottom = Hex(0xF3F3F3);
    p.Rest = {Hex(0xC6C6C6), 1, kWhite, 0, kWhite, kWhite};
    p.Disabled = {Hex(0xE2E2E2), 1, kWhite, 0, kWhite, kWhite};
    p.Hot = {Hex(0xF2E1D5), 1, kWhite, 0, Hex(0xF2E1D5), Hex(0xF2E1D5)};
    p.Highlighted = p.Hot;
    p.Pressed = {Hex(0xE2BCA2), 1, kWhite, 0, Hex(0xE2BCA2), Hex(0xE2BCA2)};
    p.Dropped = p.Pressed;
    p.Checked = p.Pressed;
    p.CheckedHot = {Hex(0xE2BCA2), 1, kWhite, 0, Hex(0xF2E1D5), Hex(0xF2E1D5)};
    p.DisabledSelected = {Hex(0xE2E2E2), 1, kWhite, 0, Hex(0xF3F3F3), Hex(0xF3F3F3)};
    return p;
}

} // namespace

const TPalette& PaletteOf(const std::string& ASheetName) {
    static const TPalette silver2010 = Silver2010(), blue2010 = Blue2010(), black2010 = Black2010(),
                          blue2007 = Blue2007(), black2007 = Black2007(), silver2007 = Silver2007(),
                          all2013 = All2013();
    if (ASheetName == "RIBBONSILVER2010" || ASheetName == "RIBBONCOMMON2010") return silver2010;
    if (ASheetName == "RIBBONBLUE2010") return blue2010;
    if (ASheetName == "RIBBONBLACK2010") return black2010;
    if (ASheetName == "RIBBONBLUE" || ASheetName == "RIBBONCOMMON") return blue2007;
    if (ASheetName == "RIBBONBLACK") return black2007;
    if (ASheetName == "RIBBONSILVER") return silver2007;
    if (ASheetName == "RIBBONALL2013" || ASheetName == "RIBBONCOMMON2013") return all2013;
    throw std::runtime_error("no palette for the sheet " + ASheetName);
}

} // namespace ribbonsheets
