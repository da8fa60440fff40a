#include "ui/painters/office11/Office11Colors.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Numerics.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/Bitmap.h"
#include "ui/core/graphics/Colors.h"

#include <cassert>
#include <memory>

TColor Office11ToolbarColor1, Office11ToolbarColor2;
TColor Office11DockColor1, Office11DockColor2;
TColor Office11MarkColors1[3], Office11MarkColors2[3];
TColor Office11MarkBlendColors1[3], Office11MarkBlendColors2[3];
TColor Office11ToolbarEdgeColor, Office11ToolbarCornerColor;
TColor Office11GripColor1, Office11GripColor2;
TColor Office11SeparatorColor1, Office11SeparatorColor2;
TColor Office11FloatingBorderColor1, Office11FloatingBorderColor2;
TColor Office11MenuBorderColor, Office11MenuColor;
TColor Office11SelectedColor, Office11SelectedBorderColor;
TColor Office11HotColor1, Office11HotColor2;
TColor Office11PressedColor1, Office11PressedColor2, Office11PressedColor3;
TColor Office11CheckedColor, Office11CheckedHotColor, Office11MenuCheckColor;
TColor Office11TextColor, Office11DisabledTextColor;
TColor Office11ItemFaceColor, Office11HighlightColor, Office11PanelFaceColor;
TColor Office11SplitterBorderColor;
TColor Office11SchemeColor1, Office11SchemeColor2, Office11SchemeBackgroundColor;
TColor Office11MarkArrowColor, Office11MarkArrowShadowColor;
TColor Office11FloatingCaptionTextColor;
TColor Office11FloatingButtonGlyphColors[2];
TColor Office11FloatingButtonColor, Office11FloatingCaptionColor, Office11MenuInnerBorderColor;
TColor Office11OwnerLinkColor1, Office11OwnerLinkColor2;
TColor Office11MenuBandColor1, Office11MenuBandColor2;
TColor Office11MenuBandNonRecentColor1, Office11MenuBandNonRecentColor2;
TColor Office11ButtonFaceColor, Office11ShadowColor, Office11SelectedTextColor;
TColor Office11ControlBorderColor;
TColor Office11ExpandButtonColor1, Office11ExpandButtonColor2;

HBRUSH Office11GripBrush1, Office11GripBrush2;
HBRUSH Office11SeparatorBrush1, Office11SeparatorBrush2;
HBRUSH Office11MenuBorderBrush, Office11MenuBrush;
HBRUSH Office11SelectedBorderBrush, Office11SelectedBrush;
HBRUSH Office11CheckedBrush, Office11CheckedHotBrush, Office11PressedBrush;
HBRUSH Office11MenuCheckBrush, Office11ShadowBrush;
TBitmap* Office11SubMenuExpandBitmap;
TBitmap* Office11ExpandButtonMinusBitmap;
TBitmap* Office11ExpandButtonPlusBitmap;

namespace office11_detail {

TovOffice11Scheme Scheme = schNone;
bool SchemeColorsActive = false;
int GradientPercent = 75;
int ReferenceCount = 0;

constexpr TColor Rgb(int R, int G, int B) {
    return static_cast<TColor>(R | (G << 8) | (B << 16));
}

// One colour of the scheme table: its variable and its value in the blue, olive and silver rows.
struct SchemeEntry {
    TColor* Target;
    TColor Values[3];
};

const SchemeEntry SchemeTable[] = {
    {&Office11ToolbarColor1, {Rgb(221, 236, 254), Rgb(244, 247, 222), Rgb(243, 244, 250)}},
    {&Office11ToolbarColor2, {Rgb(129, 169, 226), Rgb(183, 198, 145), Rgb(153, 151, 181)}},
    {&Office11DockColor1, {Rgb(158, 190, 245), Rgb(217, 217, 167), Rgb(215, 215, 229)}},
    {&Office11DockColor2, {Rgb(195, 218, 249), Rgb(242, 240, 228), Rgb(243, 243, 247)}},
    {&Office11MarkColors1[omsNormal], {Rgb(117, 166, 241), Rgb(176, 194, 140), Rgb(179, 178, 200)}},
    {&Office11MarkColors1[omsHot], {Rgb(255, 248, 211), Rgb(255, 248, 211), Rgb(255, 248, 211)}},
    {&Office11MarkColors1[omsPressed], {Rgb(254, 149, 82), Rgb(254, 149, 82), Rgb(254, 149, 82)}},
    {&Office11MarkColors2[omsNormal], {Rgb(0, 53, 145), Rgb(96, 119, 107), Rgb(118, 116, 146)}},
    {&Office11MarkColors2[omsHot], {Rgb(255, 193, 118), Rgb(255, 193, 118), Rgb(255, 193, 118)}},
    {&Office11MarkColors2[omsPressed], {Rgb(255, 221, 152), Rgb(255, 221, 152), Rgb(255, 221, 152)}},
    {&Office11ToolbarEdgeColor, {Rgb(59, 97, 156), Rgb(96, 128, 88), Rgb(124, 124, 148)}},
    {&Office11ToolbarCornerColor, {Rgb(123, 164, 224), Rgb(181, 196, 143), Rgb(147, 145, 176)}},
    {&Office11GripColor1, {Rgb(39, 65, 118), Rgb(81, 94, 51), Rgb(84, 84, 117)}},
    {&Office11GripColor2, {Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255)}},
    {&Office11SeparatorColor1, {Rgb(106, 140, 203), Rgb(96, 128, 88), Rgb(110, 109, 143)}},
    {&Office11SeparatorColor2, {Rgb(241, 249, 255), Rgb(244, 247, 222), Rgb(255, 255, 255)}},
    {&Office11FloatingBorderColor1, {Rgb(42, 102, 201), Rgb(116, 134, 94), Rgb(122, 121, 153)}},
    {&Office11FloatingBorderColor2, {Rgb(196, 219, 249), Rgb(225, 222, 173), Rgb(219, 218, 228)}},
    {&Office11MenuBorderColor, {Rgb(0, 45, 150), Rgb(117, 141, 94), Rgb(124, 124, 148)}},
    {&Office11MenuColor, {Rgb(246, 246, 246), Rgb(244, 244, 238), Rgb(253, 250, 255)}},
    {&Office11SelectedColor, {Rgb(255, 238, 194), Rgb(255, 238, 194), Rgb(255, 238, 194)}},
    {&Office11SelectedBorderColor, {Rgb(0, 0, 128), Rgb(63, 93, 56), Rgb(75, 75, 111)}},
    {&Office11HotColor1, {Rgb(255, 244, 204), Rgb(255, 244, 204), Rgb(255, 244, 204)}},
    {&Office11HotColor2, {Rgb(255, 208, 145), Rgb(255, 208, 145), Rgb(255, 208, 145)}},
    {&Office11PressedColor1, {Rgb(255, 211, 142), Rgb(255, 211, 142), Rgb(255, 211, 142)}},
    {&Office11PressedColor2, {Rgb(254, 145, 78), Rgb(254, 145, 78), Rgb(254, 145, 78)}},
    {&Office11PressedColor3, {Rgb(254, 128, 62), Rgb(254, 128, 62), Rgb(254, 128, 62)}},
    {&Office11CheckedColor, {Rgb(203, 225, 252), Rgb(216, 227, 182), Rgb(214, 211, 231)}},
    {&Office11CheckedHotColor, {Rgb(255, 192, 111), Rgb(255, 192, 111), Rgb(255, 192, 111)}},
    {&Office11MenuCheckColor, {Rgb(169, 199, 240), Rgb(197, 212, 159), Rgb(192, 192, 211)}},
    {&Office11TextColor, {Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(0, 0, 0)}},
    {&Office11DisabledTextColor, {Rgb(141, 141, 141), Rgb(141, 141, 141), Rgb(141, 141, 141)}},
    {&Office11ItemFaceColor, {Rgb(190, 218, 251), Rgb(175, 186, 145), Rgb(229, 229, 235)}},
    {&Office11HighlightColor, {Rgb(251, 230, 148), Rgb(251, 230, 148), Rgb(251, 230, 148)}},
    {&Office11PanelFaceColor, {Rgb(196, 218, 250), Rgb(242, 241, 228), Rgb(243, 243, 247)}},
    {&Office11SplitterBorderColor, {Rgb(0, 45, 150), Rgb(96, 128, 88), Rgb(124, 124, 148)}},
    {&Office11SchemeColor2, {Rgb(55, 104, 185), Rgb(115, 137, 84), Rgb(112, 111, 145)}},
    {&Office11SchemeBackgroundColor, {Rgb(253, 238, 201), Rgb(253, 238, 201), Rgb(253, 238, 201)}},
    {&Office11SchemeColor1, {Rgb(123, 164, 224), Rgb(181, 196, 143), Rgb(147, 145, 176)}},
};
constexpr int SchemeGradientPercents[3] = {41, 125, 40};

TColor Resolved(TColor AColor) {
    return static_cast<TColor>(ColorToRGB(AColor) & 0xFFFFFF);
}

void ComputeFromScheme(TovOffice11Scheme AScheme) {
    const int row = static_cast<int>(AScheme) - 1;
    for (const SchemeEntry& entry : SchemeTable)
        *entry.Target = entry.Values[row];
    GradientPercent = SchemeGradientPercents[row];
    Office11MarkArrowColor = Rgb(0, 0, 0);
    Office11MarkArrowShadowColor = Rgb(255, 255, 255);
    Office11FloatingCaptionTextColor = Rgb(255, 255, 255);
    Office11FloatingButtonGlyphColors[0] = Office11FloatingButtonGlyphColors[1] = Rgb(0, 0, 0);
}

// Without a scheme every colour comes from the system colours; a colour that is "the same as" another is
// set only after that other one.
void ComputeFromSystemColors() {
    Office11ToolbarColor1 = BlendRGB(clBtnFace, clWindow, 22);
    Office11ToolbarColor2 = BlendRGB(clBtnFace, clWindow, 96);
    Office11DockColor1 = Resolved(clBtnFace);
    Office11DockColor2 = BlendRGB(clBtnFace, clWindow, 20);
    Office11MarkColors1[omsNormal] = BlendRGB(clBtnShadow, clWindow, 74);
    Office11MarkColors1[omsHot] = GetNearestScreenColor(MixLightColor(-15, 29, 86));
    Office11MarkColors1[omsPressed] = GetNearestScreenColor(MixLightColor(42, 11, 47));
    Office11MarkColors2[omsNormal] = Resolved(clBtnShadow);
    Office11MarkColors2[omsHot] = Office11MarkColors1[omsHot];
    Office11MarkColors2[omsPressed] = Office11MarkColors1[omsPressed];
    Office11ToolbarEdgeColor = BlendRGB(clBtnFace, clWindow, 85);
    Office11ToolbarCornerColor = Resolved(clBtnFace);
    Office11GripColor1 = BlendRGB(clBtnShadow, clWindow, 76);
    Office11GripColor2 = Resolved(clWindow);
    Office11SeparatorColor1 = BlendRGB(clBtnShadow, clWindow, 70);
    Office11SeparatorColor2 = Rgb(255, 255, 255);
    Office11FloatingBorderColor1 = Resolved(clBtnShadow);
    Office11FloatingBorderColor2 = Office11ToolbarColor2;
    Office11MenuBorderColor = Resolved(clBtnShadow);
    Office11MenuColor = Resolved(clWindow);
    Office11SelectedColor = GetNearestScreenColor(MixLightColor(-2, 30, 72));
    Office11SelectedBorderColor = Resolved(clHighlight);
    Office11HotColor1 = Office11SelectedColor;
    Office11HotColor2 = Office11SelectedColor;
    Office11PressedColor3 = GetNearestScreenColor(MixLightColor(14, 44, 40));
    Office11PressedColor1 = Office11PressedColor3;
    Office11PressedColor2 = Office11PressedColor3;
    Office11CheckedColor = Office11ToolbarColor2;
    Office11CheckedHotColor = MixLightColor(41, 11, 48);
    Office11MenuCheckColor = Office11CheckedColor;
    Office11TextColor = Resolved(clBtnText);
    Office11DisabledTextColor = Resolved(clGrayText);
    Office11ItemFaceColor = Resolved(clBtnFace);
    Office11HighlightColor = Office11CheckedHotColor;
    Office11PanelFaceColor = Office11DockColor1;
    Office11SplitterBorderColor = Office11MenuBorderColor;
    Office11SchemeColor2 = Resolved(clBtnShadow);
    Office11SchemeBackgroundColor = Resolved(clBtnFace);
    Office11SchemeColor1 = Resolved(clBtnShadow);
    GradientPercent = 75;
    Office11MarkArrowColor = Resolved(clBtnText);
    Office11MarkArrowShadowColor = Resolved(clWindow);
    Office11FloatingCaptionTextColor = Resolved(clBtnHighlight);
    Office11FloatingButtonGlyphColors[0] = Office11FloatingButtonGlyphColors[1] = Resolved(clBtnText);
}

void ComputeDerivedColors() {
    for (int s = omsNormal; s <= omsPressed; ++s) {
        Office11MarkBlendColors1[s] = SchemeColorsActive
                                          ? BlendRGB(Office11MarkColors1[s], Office11ToolbarColor1, 90)
                                          : BlendRGB(Office11MarkColors2[s], clWindow, 50);
        Office11MarkBlendColors2[s] = BlendRGB(Office11MarkColors2[s], Office11ToolbarCornerColor, 50);
    }
    Office11FloatingButtonColor = Office11ToolbarColor1;
    Office11FloatingCaptionColor = Office11FloatingBorderColor1;
    Office11MenuInnerBorderColor = Office11MenuColor;
    Office11OwnerLinkColor1 = Office11ToolbarColor1;
    Office11OwnerLinkColor2 = Office11ToolbarColor2;
    Office11MenuBandColor1 = Office11ToolbarColor1;
    Office11MenuBandColor2 = Office11ToolbarColor2;
    Office11MenuBandNonRecentColor1 = BlendRGB(Office11MenuBandColor1, clBlack, 92);
    Office11MenuBandNonRecentColor2 = BlendRGB(Office11MenuBandColor2, clBlack, 92);
    Office11ButtonFaceColor = Office11DockColor1;
    Office11ShadowColor = Office11MarkBlendColors2[omsNormal];
    Office11SelectedTextColor = Office11FloatingCaptionTextColor;
    Office11ControlBorderColor = Office11MenuBorderColor;
}

HBRUSH MakeBrush(TColor AColor) {
    return CreateSolidBrush(ColorToRGB(AColor));
}
void DeleteBrush(HBRUSH& ABrush) {
    if (ABrush != nullptr) DeleteObject(ABrush);
    ABrush = nullptr;
}

std::unique_ptr<TBitmap> LoadBitmapResource(const char* AName) {
    if (FindResource("BITMAP", AName) == nullptr) return nullptr;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromResourceName(nullptr, AName);
    return bitmap;
}

void BuildOffice11Brushes() {
    Office11GripBrush1 = MakeBrush(Office11GripColor1);
    Office11GripBrush2 = MakeBrush(Office11GripColor2);
    Office11SeparatorBrush1 = MakeBrush(Office11SeparatorColor1);
    Office11SeparatorBrush2 = MakeBrush(Office11SeparatorColor2);
    Office11MenuBorderBrush = MakeBrush(Office11MenuBorderColor);
    Office11MenuBrush = MakeBrush(Office11MenuColor);
    Office11SelectedBorderBrush = MakeBrush(Office11SelectedBorderColor);
    Office11SelectedBrush = MakeBrush(Office11SelectedColor);
    Office11CheckedBrush = MakeBrush(Office11CheckedColor);
    Office11CheckedHotBrush = MakeBrush(Office11CheckedHotColor);
    Office11PressedBrush = MakeBrush(Office11PressedColor3);
    Office11MenuCheckBrush = MakeBrush(Office11MenuCheckColor);
    Office11ShadowBrush = MakeBrush(Office11ShadowColor);
    Office11SubMenuExpandBitmap = LoadBitmapResource("OVSUBMENUEXPAND").release();
    if (Office11SubMenuExpandBitmap != nullptr) RecolorSubMenuExpandBitmap(Office11SubMenuExpandBitmap);
    Office11ExpandButtonMinusBitmap = LoadBitmapResource("OVEXPANDBUTTON_MINUS").release();
    Office11ExpandButtonPlusBitmap = LoadBitmapResource("OVEXPANDBUTTON_PLUS").release();
    Office11ExpandButtonColor1 = Rgb(158, 174, 191);
    Office11ExpandButtonColor2 = Rgb(46, 70, 95);
}

void FreeOffice11Brushes() {
    delete Office11SubMenuExpandBitmap;
    Office11SubMenuExpandBitmap = nullptr;
    delete Office11ExpandButtonMinusBitmap;
    Office11ExpandButtonMinusBitmap = nullptr;
    delete Office11ExpandButtonPlusBitmap;
    Office11ExpandButtonPlusBitmap = nullptr;
    for (HBRUSH* brush :
         {&Office11GripBrush1, &Office11GripBrush2, &Office11SeparatorBrush1, &Office11SeparatorBrush2,
          &Office11MenuBorderBrush, &Office11MenuBrush, &Office11SelectedBorderBrush, &Office11SelectedBrush,
          &Office11CheckedBrush, &Office11CheckedHotBrush, &Office11PressedBrush, &Office11MenuCheckBrush,
          &Office11ShadowBrush})
        DeleteBrush(*brush);
}

} // namespace office11_detail

using namespace office11_detail;

void ComputeOffice11Colors() {
    Scheme = GetOffice11SchemeFromTheme();
    SchemeColorsActive = Scheme != schNone;
    if (SchemeColorsActive)
        ComputeFromScheme(Scheme);
    else
        ComputeFromSystemColors();
    ComputeDerivedColors();
}

void ReferenceOffice11Colors() {
    if (ReferenceCount == 0) {
        ComputeOffice11Colors();
        BuildOffice11Brushes();
    }
    ++ReferenceCount;
}

void ReleaseOffice11Palette() {
    assert(ReferenceCount > 0 && "Office11 palette released more often than referenced");
    if (ReferenceCount <= 0) return;
    if (--ReferenceCount == 0) FreeOffice11Brushes();
}

void RefreshOffice11Colors() {
    ComputeOffice11Colors();
    if (ReferenceCount > 0) {
        FreeOffice11Brushes();
        BuildOffice11Brushes();
    }
}

int Office11PaletteReferenceCount() {
    return ReferenceCount;
}
TovOffice11Scheme GetOffice11Scheme() {
    return Scheme;
}
bool Office11SchemeColorsActive() {
    return SchemeColorsActive;
}
int Office11GradientPercent() {
    return GradientPercent;
}

TColor GetNearestScreenColor(TColor AColor) {
    return uiNearestDisplayColor(AColor);
}

TColor BlendRGB(TColor AColor1, TColor AColor2, int APercent) {
    const COLORREF c1 = ColorToRGB(AColor1), c2 = ColorToRGB(AColor2);
    COLORREF result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>((c1 >> shift) & 0xFF), b = static_cast<int>((c2 >> shift) & 0xFF);
        const int channel = std::min(255, MulDiv(a, APercent, 100) + MulDiv(b, 100 - APercent, 100));
        result |= static_cast<COLORREF>(std::max(0, channel)) << shift;
    }
    return GetNearestScreenColor(static_cast<TColor>(result));
}

TColor MixLightColor(int AFaceWeight, int AHighlightWeight, int AWindowWeight) {
    const COLORREF face = ColorToRGB(clBtnFace) & 0xFFFFFF;
    if (face == 0 || face == 0xFFFFFF) return Resolved(clHighlight);
    return uiGetBlendedSystemColor(static_cast<std::int8_t>(AFaceWeight),
                                   static_cast<std::int8_t>(AHighlightWeight),
                                   static_cast<std::int8_t>(AWindowWeight));
}

bool HighContrastIsBlack() {
    return (ColorToRGB(clBtnFace) & 0xFFFFFF) == 0;
}
bool HighContrastIsWhite() {
    return (ColorToRGB(clBtnFace) & 0xFFFFFF) == 0xFFFFFF;
}
bool IsBlackFaceNonWhiteText() {
    return HighContrastIsBlack() && (ColorToRGB(clBtnText) & 0xFFFFFF) != 0xFFFFFF;
}

void RecolorSubMenuExpandBitmap(TBitmap* ABitmap) {
    if (ABitmap == nullptr || ABitmap->Width() <= 0 || ABitmap->Height() <= 0) return;
    TCanvas* canvas = ABitmap->Canvas();
    const COLORREF background = canvas->Pixels(0, 0) & 0xFFFFFF;
    const TColor a = Office11ToolbarColor1;
    TColor b = Office11ToolbarColor2;
    if (ColorToRGB(a) == ColorToRGB(b)) b = (ColorToRGB(a) & 0xFFFFFF) != 0 ? clBlack : clWhite;
    auto coloured = [background](COLORREF APixel) { return APixel != background && APixel != 0; };
    int smallest = 255, largest = 1;
    for (int y = 0; y < ABitmap->Height(); ++y)
        for (int x = 0; x < ABitmap->Width(); ++x) {
            const COLORREF pixel = canvas->Pixels(x, y) & 0xFFFFFF;
            if (!coloured(pixel)) continue;
            const int red = static_cast<int>(pixel & 0xFF);
            smallest = std::min(smallest, red);
            largest = std::max(largest, red);
        }
    for (int y = 0; y < ABitmap->Height(); ++y)
        for (int x = 0; x < ABitmap->Width(); ++x) {
            const COLORREF pixel = canvas->Pixels(x, y) & 0xFFFFFF;
            if (!coloured(pixel)) continue;
            const int red = static_cast<int>(pixel & 0xFF);
            // One red value for every coloured pixel goes through the shared MulDiv: colour A.
            const int percent = largest > smallest ? MulDiv(red - smallest, 100, largest - smallest) : 100;
            canvas->SetPixels(x, y, BlendRGB(a, b, percent));
        }
}
