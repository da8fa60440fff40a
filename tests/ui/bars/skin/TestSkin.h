// The skin the bar painting tests draw with: an IovSkin over a bar skin whose parts are cut from a sheet
// drawn here, one nine-slice frame per part kind the skinned painter uses, each kind in a hue of its own
// and each state in a row of its own, so that a picture shows which part was drawn in which state. It
// answers the base tables. The recording variant also writes down every call; the skinned object stands
// for the ribbon, whose skin may be swapped or missing between two paints.
#pragma once

#include "ui/bars/skin/BarSkin.h"
#include "ui/painters/effects/FadingOptions.h"
#include "ui/bars/skin/SkinBaseTables.h"
#include "ui/bars/skin/SkinInterface.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TovGPImage;

namespace skin_test {

// The part kinds the skinned painter draws, in the sheet's column order.
extern const std::vector<int> kTestSkinPartKinds;

// Sheet geometry: a cell a kind and state, its frame margins.
constexpr int kTestSkinCellSize = 12;
constexpr int kTestSkinFrameMargin = 3;
// The tab-group caption strip: its height and its distance from the group's bottom.
constexpr int kTestSkinCaptionHeight = 16;
constexpr int kTestSkinCaptionBottomOffset = 2;

// The sheet: kTestSkinPartKinds.size() columns by 9 state rows.
std::unique_ptr<TovGPImage> MakeTestSkinSheet();
// The colours of a cell: the outline, the frame and the centre.
struct TTestSkinCellColors {
    TColor Outline, Frame, Centre;
};
TTestSkinCellColors TestSkinCellColors(int AColumn, int AState);

class TTestBarSkin : public TovCustomBarSkin {
public:
    TTestBarSkin();
    std::string GetName() const override { return "Test"; }
    // The part of a kind in a state; null for a kind the sheet has no column for or a state outside 0..8.
    TovSkinnedRect* PartOf(int AKind, int AState) const;

private:
    std::map<int, std::array<int, 9>> FIndices;
};

class TTestSkin : public TObject, public IovSkin {
public:
    TTestSkin();
    ~TTestSkin() override;

    void DrawBackground(HDC DC, const TRect& R, int APart, int AState) override;
    void DrawBackgroundEx(HDC DC, const TRect& R, const TRect& ABounds, int APart, int AState) override;
    void DrawCaption(HDC DC, const std::string& AText, const TRect& R, int APart, int AState) override;
    TovFadingOptions* GetFadingOptions() override { return &FadingOptions; }
    TRect GetCaptionRect(const TRect& R, int APart) override;
    TRect GetContentOffsets(int APart) override;
    bool GetIsAlphaUsed(int APart) override { return false; }
    std::string GetName() override { return Name; }
    TColor GetPartColor(int APart, int AState) override;
    int GetPartSize(int APart) override;
    bool UseRoundedWindowCorners() override { return RoundedWindowCorners; }

    TTestBarSkin& Parts() { return *FParts; }

    // What the tables are answered with; the name and corners the interface reports.
    TovSkinBaseInputs Inputs;
    std::string Name;
    bool RoundedWindowCorners = true;
    TovFadingOptions FadingOptions;

private:
    std::unique_ptr<TTestBarSkin> FParts;
};

// One call of the skin interface.
struct TSkinCall {
    std::string Operation;
    int Part = -1;
    int State = -1;
    TRect R{};
    TRect Bounds{};
    std::string Text;
};
// "DrawBackground 3/2 (0, 0, 20, 22)"; "Ex" calls add their bounds, captions their text.
std::string ToString(const TSkinCall& ACall);

class TRecordingTestSkin : public TTestSkin {
public:
    void DrawBackground(HDC DC, const TRect& R, int APart, int AState) override;
    void DrawBackgroundEx(HDC DC, const TRect& R, const TRect& ABounds, int APart, int AState) override;
    void DrawCaption(HDC DC, const std::string& AText, const TRect& R, int APart, int AState) override;
    TovFadingOptions* GetFadingOptions() override;
    TRect GetCaptionRect(const TRect& R, int APart) override;
    TRect GetContentOffsets(int APart) override;
    bool GetIsAlphaUsed(int APart) override;
    std::string GetName() override;
    TColor GetPartColor(int APart, int AState) override;
    int GetPartSize(int APart) override;
    bool UseRoundedWindowCorners() override;

    // The parts drawn, as ToString writes them, in order; every call recorded so far is forgotten.
    std::vector<std::string> TakeDrawn();
    std::vector<TSkinCall> Calls;

private:
    void Record(const std::string& AOperation, int APart = -1, int AState = -1, const TRect& R = {},
                const TRect& ABounds = {}, const std::string& AText = "");
};

// Stands for the ribbon: answers whatever skin it holds at the moment (none is allowed) and counts how
// often it was asked.
class TTestSkinnedObject : public TObject, public IovSkinnedObject {
public:
    IovSkin* QuerySkin() override {
        ++Queries;
        return Skin;
    }
    IovSkin* Skin = nullptr;
    int Queries = 0;
};

} // namespace skin_test
