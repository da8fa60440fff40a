// The sections of our skin texts: the head every skin has (identity, its one picture, colours, the list
// of control descriptions) and the descriptions of the five kinds the windows use, written with the
// keys and values that make each control draw and grow as the windows need.
#pragma once

#include "tools/skingen/Keycap.h"
#include "tools/skingen/SkinText.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace skingen {

// The ten colours of "SKINCOLORS", in key order.
struct TSkinColours {
    TRgb BtnFace, BtnText, Window, WindowText, Highlight, HighlightText, BtnHighlight, BtnShadow, Light3D,
        DkShadow3D;
};

struct TSkinHead {
    std::string Name;
    std::string Comments;
    std::string PictureFile;
    TSkinColours Colours;
    // "name:kind" entries of "SKINCONTROLS", in order.
    std::vector<std::pair<std::string, std::string>> Controls;
};

void WriteSkinHead(TSkinText& Text, const TSkinHead& Head);

struct TFontColours {
    TRgb Normal, Hot, Down, Disabled;
};

// The skin's font: the name the program's windows use and the skin font height.
constexpr const char* SkinFontName = "Tahoma";
constexpr int SkinFontHeight = 13;

// A panel whose frame is Frame pixels wide on every side; it grows both ways, its centre and edges
// stretched (so gradients stay smooth) and its children aligned inside the frame.
void WritePanel(TSkinText& Text, const std::string& Name, const TBox& Skin, int Frame, TRgb FontColour);

// A button of five faces (in TFaceState order). Each face stretches on the grid Margin pixels inside
// its edges, which is also where the caption and glyph go.
void WriteButton(TSkinText& Text, const std::string& Name, const std::array<TBox, 5>& Faces, int Margin,
                 const TFontColours& Fonts);

} // namespace skingen
