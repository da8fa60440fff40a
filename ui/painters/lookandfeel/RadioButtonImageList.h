// TuiRadioButtonImageList: every radio-button picture of the non-native looks, rendered once in the
// exact size and shape of the system's radio button: 4 kinds (flat, standard, ultra-flat, office11) x
// 4 states x checked x two emphasis flags = 128 images. Drawing a radio button is a table lookup and one
// masked blit.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/vcl/Graphics.h"
#include "ui/painters/lookandfeel/PainterLookAndFeelTypes.h"
#include "ui/painters/lookandfeel/PainterTypes.h"

#include <memory>
#include <vector>

class TBitmap;
class TImageList;
class TuiCanvas;

// Radio kinds: 0 flat, 1 standard, 2 ultra-flat, 3 office11.
int uiRadioKindOfStyle(TuiLookAndFeelStyle AStyle);
TuiLookAndFeelStyle uiRadioStyleOfKind(int AKind);
// Map index of a combination; the default state 0 counts as normal.
int uiRadioMapIndex(int AKind, TuiPainterButtonState AState, bool AChecked, bool AEmphasisB, bool AEmphasisA);

class TuiRadioButtonImageList : public TObject {
public:
    TuiRadioButtonImageList();
    ~TuiRadioButtonImageList() override;

    // Renders all 128 images when the list holds none.
    void BuildImages();
    // Renders them again in the current colours (the measured shape stays).
    void RebuildImages();
    // -1 for a combination outside the map.
    int ImageIndexOf(int AKind, TuiPainterButtonState AState, bool AChecked, bool AEmphasisB,
                     bool AEmphasisA) const;
    // clDefault: masked (transparent outside the circle); any other colour: an opaque square of it.
    void PaintRadioImage(TuiCanvas* ACanvas, int X, int Y, TColor ABkColor, int AKind,
                         TuiPainterButtonState AState, bool AChecked, bool AEmphasisB, bool AEmphasisA);
    TSize RadioImageSize() const { return FSize; }
    int ImageCount() const;
    // Pattern code of a pixel: 0 outside, 1/2 outer ring upper-left/lower-right, 3/4 inner ring, 5 body,
    // 6 check dot.
    int PatternCode(int X, int Y) const { return FPattern[Y][X]; }
    TImageList* Images() const { return FImages.get(); }

private:
    void MeasureRadioButton();
    void BuildPattern();
    std::unique_ptr<TBitmap> RenderImage(int AKind, TuiPainterButtonState AState, bool AChecked,
                                         bool AEmphasisB, bool AEmphasisA);

    TSize FSize{};
    TRect FRadioRect{};
    TRect FCheckRect{};
    std::unique_ptr<TImageList> FImages;
    std::unique_ptr<TBitmap> FMask;
    std::vector<std::vector<int>> FPattern;
    std::vector<int> FIndexMap;
};

// The program's one list, made and rendered on first use.
TuiRadioButtonImageList* RadioButtonImageList();
// Whether the list was ever made (a colour change rebuilds only an existing list).
bool RadioButtonImageListExists();
void ResetRadioButtonImages();
void FreeRadioButtonImageList();
