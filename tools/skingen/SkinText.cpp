#include "tools/skingen/SkinText.h"

#include <stdexcept>

namespace skingen {

TSkinText& TSkinText::Section(const std::string& Name) {
    FSections.push_back({Name, {}});
    return *this;
}

TSkinText& TSkinText::Text(const std::string& Key, const std::string& Value) {
    if (FSections.empty()) throw std::logic_error("a skin value before any section");
    FSections.back().Values.emplace_back(Key, Value);
    return *this;
}

TSkinText& TSkinText::Integer(const std::string& Key, int Value) {
    return Text(Key, std::to_string(Value));
}

TSkinText& TSkinText::Boolean(const std::string& Key, bool Value) {
    return Text(Key, Value ? "1" : "0");
}

TSkinText& TSkinText::Colour(const std::string& Key, TRgb Value) {
    return Integer(Key, Value.ColorValue());
}

TSkinText& TSkinText::Rect(const std::string& Key, const TBox& Value) {
    return Text(Key, std::to_string(Value.X) + "," + std::to_string(Value.Y) + "," +
                         std::to_string(Value.Right()) + "," + std::to_string(Value.Bottom()));
}

TSkinText& TSkinText::Point(const std::string& Key, int X, int Y) {
    return Text(Key, std::to_string(X) + "," + std::to_string(Y));
}

TSkinText& TSkinText::Font(const std::string& Name, int Height, TRgb Colour) {
    Text("fontname", Name);
    Integer("fontheight", Height);
    Text("fontstyle", "");
    return this->Colour("fontcolor", Colour);
}

std::vector<std::string> TSkinText::Lines() const {
    std::vector<std::string> lines;
    for (const TSection& section : FSections) {
        if (!lines.empty()) lines.emplace_back();
        lines.push_back("[" + section.Name + "]");
        for (const auto& [key, value] : section.Values)
            lines.push_back(key + "=" + value);
    }
    return lines;
}

std::string TSkinText::FileText() const {
    std::string text;
    for (const std::string& line : Lines())
        text += line + "\r\n";
    return text;
}

} // namespace skingen
