// Writing a skin text: sections of "key=value" lines in the order they are given, with the value forms
// the skin reader expects (decimal integers and colours, 1/0 flags, "l,t,r,b" rectangles, "x,y"
// points). The generator writes only the keys a window needs; every other key keeps its default.
#pragma once

#include "tools/skingen/SkinArt.h"

#include <string>
#include <utility>
#include <vector>

namespace skingen {

class TSkinText {
public:
    // Opens a section; later values go into it.
    TSkinText& Section(const std::string& Name);
    TSkinText& Text(const std::string& Key, const std::string& Value);
    TSkinText& Integer(const std::string& Key, int Value);
    TSkinText& Boolean(const std::string& Key, bool Value);
    TSkinText& Colour(const std::string& Key, TRgb Value);
    // A rectangle by its left, top, right and bottom edges.
    TSkinText& Rect(const std::string& Key, const TBox& Value);
    TSkinText& Point(const std::string& Key, int X, int Y);
    // The four keys of a font group.
    TSkinText& Font(const std::string& Name, int Height, TRgb Colour);

    // Each section as "[NAME]" and its lines, an empty line between sections.
    std::vector<std::string> Lines() const;
    // The lines, each ended by CR LF (the form a packed skin keeps them in).
    std::string FileText() const;

private:
    struct TSection {
        std::string Name;
        std::vector<std::pair<std::string, std::string>> Values;
    };
    std::vector<TSection> FSections;
};

} // namespace skingen
