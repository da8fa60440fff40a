#include "tools/skingen/SkinCheck.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/StringList.h"

#include <cctype>
#include <map>
#include <memory>
#include <optional>

namespace skingen {

namespace {

// The form of a key's value.
enum class TForm {
    Text,        // any text (may be empty)
    Number,      // a decimal integer
    Colour,      // a decimal TColor, 0 .. 0xFFFFFF
    Flag,        // 0 or 1
    PictureRect, // a non-empty rectangle of the skin picture
    LocalRect,   // a non-empty rectangle inside the description's own skin rectangle
    Point,       // a point inside the description's own skin rectangle
};

struct TRule {
    const char* Key;
    TForm Form;
};

struct TKindRules {
    std::vector<TRule> Required;
    // Keys whose presence would change how the window draws.
    std::vector<const char*> Forbidden;
    // Picture rectangles that must have the size of the first one of the list.
    std::vector<const char*> SameSize;
};

const std::vector<TRule> FontGroup = {{"fontname", TForm::Text},
                                      {"fontheight", TForm::Number},
                                      {"fontstyle", TForm::Text},
                                      {"fontcolor", TForm::Colour}};
const std::vector<TRule> CornerPoints = {{"lefttoppoint", TForm::Point},
                                         {"righttoppoint", TForm::Point},
                                         {"leftbottompoint", TForm::Point},
                                         {"rightbottompoint", TForm::Point}};

std::vector<TRule> Join(std::initializer_list<std::vector<TRule>> Parts) {
    std::vector<TRule> all;
    for (const auto& part : Parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::map<std::string, TKindRules>& KindRules() {
    static const std::map<std::string, TKindRules> rules = {
        {"panel",
         {Join({{{"pictureindex", TForm::Number}, {"skinrect", TForm::PictureRect}},
                CornerPoints,
                {{"clientrect", TForm::LocalRect},
                 {"stretcheffect", TForm::Flag},
                 {"stretchtype", TForm::Text},
                 {"bgpictureindex", TForm::Number}},
                FontGroup}),
          {"captionrect"},
          {}}},
        {"button",
         {Join({{{"pictureindex", TForm::Number},
                 {"skinrect", TForm::PictureRect},
                 {"activeskinrect", TForm::PictureRect},
                 {"downskinrect", TForm::PictureRect},
                 {"focusedskinrect", TForm::PictureRect},
                 {"disabledskinrect", TForm::PictureRect},
                 {"lefttoppoint", TForm::Point},
                 {"righttoppoint", TForm::Point},
                 {"clientrect", TForm::LocalRect}},
                FontGroup,
                {{"activefontcolor", TForm::Colour},
                 {"downfontcolor", TForm::Colour},
                 {"disabledfontcolor", TForm::Colour},
                 {"morphing", TForm::Flag},
                 {"morphkind", TForm::Text},
                 {"showfocus", TForm::Flag},
                 {"glowlayerpictureindex", TForm::Number}}}),
          {"animateskinrect"},
          {"skinrect", "activeskinrect", "downskinrect", "focusedskinrect", "disabledskinrect"}}},
        {"gauge",
         {Join({{{"pictureindex", TForm::Number}, {"skinrect", TForm::PictureRect}},
                CornerPoints,
                {{"progressarea", TForm::LocalRect},
                 {"progressrect", TForm::PictureRect},
                 {"beginoffset", TForm::Number},
                 {"endoffset", TForm::Number},
                 {"vertical", TForm::Flag},
                 {"progressstretch", TForm::Flag},
                 {"progresstransparent", TForm::Flag}}}),
          {},
          {"skinrect", "progressrect"}}},
        {"trackbar",
         {Join({{{"pictureindex", TForm::Number}, {"skinrect", TForm::PictureRect}},
                CornerPoints,
                {{"trackarea", TForm::LocalRect},
                 {"activeskinrect", TForm::PictureRect},
                 {"buttonrect", TForm::PictureRect},
                 {"activebuttonrect", TForm::PictureRect},
                 {"vertical", TForm::Flag}}}),
          {},
          {"skinrect", "activeskinrect"}}},
        {"checkradio",
         {Join({{{"pictureindex", TForm::Number},
                 {"checkimagerect", TForm::PictureRect},
                 {"uncheckimagerect", TForm::PictureRect},
                 {"activecheckimagerect", TForm::PictureRect},
                 {"activeuncheckimagerect", TForm::PictureRect},
                 {"unenabledcheckimagerect", TForm::PictureRect},
                 {"unenableduncheckimagerect", TForm::PictureRect},
                 {"grayedcheckimagerect", TForm::PictureRect},
                 {"framefontcolor", TForm::Colour},
                 {"unenabledfontcolor", TForm::Colour}},
                FontGroup}),
          {},
          {"checkimagerect", "uncheckimagerect", "activecheckimagerect", "activeuncheckimagerect",
           "unenabledcheckimagerect", "unenableduncheckimagerect", "grayedcheckimagerect"}}},
    };
    return rules;
}

const char* const SkinColourKeys[] = {"cbtnface",   "cbtntext",       "cwindow",       "cwindowtext",
                                      "chighlight", "chighlighttext", "cbtnhighlight", "cbtnshadow",
                                      "c3dlight",   "c3ddkshadow"};
const char* const OptionalPictureKeys[] = {"picture", "inactivepicture", "mask", "rolluppicture",
                                           "rollupmask"};

struct TRectValue {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    std::string Size() const { return std::to_string(Width()) + " x " + std::to_string(Height()); }
};

class TChecker {
public:
    TChecker(std::string SkinName, const std::vector<std::string>& Lines, int Width, int Height)
        : FSkin(std::move(SkinName)), FWidth(Width), FHeight(Height) {
        TStringList lines;
        for (const std::string& line : Lines)
            lines.Add(line);
        FIni.SetStrings(lines);
    }

    void Run() {
        for (const char* section :
             {"VERSION", "PICTURES", "FORMINFO", "SKINCOLORS", "SKINOBJECTS", "SKINCONTROLS"})
            if (!FIni.SectionExists(section)) Fail(section, "", "the section is missing");
        Value("VERSION", "skinname", TForm::Text);
        Value("VERSION", "skinauthor", TForm::Text);
        for (const char* key : OptionalPictureKeys)
            if (!Value("PICTURES", key, TForm::Text).empty()) Fail("PICTURES", key, "must be empty");
        FPictureCount = Number("PICTURES", "activepicturescount");
        if (FPictureCount < 1) Fail("PICTURES", "activepicturescount", "names no picture");
        for (int i = 0; i < FPictureCount; ++i)
            if (Value("PICTURES", std::to_string(i), TForm::Text).empty())
                Fail("PICTURES", std::to_string(i), "names no file");
        for (const char* key : SkinColourKeys)
            Value("SKINCOLORS", key, TForm::Colour);
        Number("SKINOBJECTS", "count");
        const int count = Number("SKINCONTROLS", "count");
        for (int i = 0; i < count; ++i)
            Entry(Value("SKINCONTROLS", std::to_string(i), TForm::Text), std::to_string(i));
    }

private:
    [[noreturn]] void Fail(const std::string& Section, const std::string& Key,
                           const std::string& Problem) const {
        std::string where = FSkin + " [" + Section + "]";
        if (!Key.empty()) where += " " + Key;
        throw ESkinCheck(where + ": " + Problem);
    }

    // The value of a required key, checked against its form.
    std::string Value(const std::string& Section, const std::string& Key, TForm Form) {
        if (!FIni.ValueExists(Section, Key)) Fail(Section, Key, "the key is missing");
        const std::string value = FIni.ReadString(Section, Key, "");
        switch (Form) {
        case TForm::Text:
            break;
        case TForm::Number:
            if (!ParseInteger(value)) Fail(Section, Key, "'" + value + "' is not a whole number");
            break;
        case TForm::Colour: {
            const auto colour = ParseInteger(value);
            if (!colour || *colour < 0 || *colour > 0xFFFFFF)
                Fail(Section, Key, "'" + value + "' is not a colour");
            break;
        }
        case TForm::Flag:
            if (value != "0" && value != "1") Fail(Section, Key, "'" + value + "' is not 0 or 1");
            break;
        case TForm::PictureRect:
        case TForm::LocalRect:
            Coordinates(Section, Key, value, 4);
            break;
        case TForm::Point:
            Coordinates(Section, Key, value, 2);
            break;
        }
        return value;
    }

    int Number(const std::string& Section, const std::string& Key) {
        return *ParseInteger(Value(Section, Key, TForm::Number));
    }

    TRectValue Rect(const std::string& Section, const std::string& Key) {
        const std::vector<int> v = Coordinates(Section, Key, FIni.ReadString(Section, Key, ""), 4);
        return {v[0], v[1], v[2], v[3]};
    }

    static std::optional<int> ParseInteger(const std::string& Text) {
        std::size_t i = Text.size() > 1 && Text[0] == '-' ? 1 : 0;
        if (i == Text.size() || Text.size() - i > 9) return std::nullopt;
        for (std::size_t j = i; j < Text.size(); ++j)
            if (!std::isdigit(static_cast<unsigned char>(Text[j]))) return std::nullopt;
        return std::stoi(Text);
    }

    // Exactly Count comma-separated whole numbers, none of them negative: the reader would silently drop
    // a minus sign and draw from somewhere else.
    std::vector<int> Coordinates(const std::string& Section, const std::string& Key, const std::string& Text,
                                 std::size_t Count) const {
        std::vector<int> values;
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = Text.find(',', start);
            const std::string field =
                Text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            const auto value = ParseInteger(field);
            if (!value)
                Fail(Section, Key, "'" + Text + "' is not a list of " + std::to_string(Count) + " numbers");
            if (*value < 0) Fail(Section, Key, "'" + Text + "' holds a negative coordinate");
            values.push_back(*value);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        if (values.size() != Count)
            Fail(Section, Key, "'" + Text + "' is not a list of " + std::to_string(Count) + " numbers");
        return values;
    }

    void Entry(const std::string& Entry, const std::string& EntryKey) {
        const std::size_t colon = Entry.find(':');
        if (colon == std::string::npos) Fail("SKINCONTROLS", EntryKey, "'" + Entry + "' has no kind");
        const std::string name = Entry.substr(0, colon), kind = Entry.substr(colon + 1);
        const auto rules = KindRules().find(kind);
        if (rules == KindRules().end())
            Fail("SKINCONTROLS", EntryKey, "the kind '" + kind + "' is not one the windows use");
        if (!FIni.SectionExists(name)) Fail(name, "", "the section is missing");
        for (const TRule& rule : rules->second.Required)
            Value(name, rule.Key, rule.Form);
        for (const char* key : rules->second.Forbidden)
            if (FIni.ValueExists(name, key)) Fail(name, key, "must not be given");

        const int picture = Number(name, "pictureindex");
        if (picture < 0 || picture >= FPictureCount)
            Fail(name, "pictureindex", "there is no picture " + std::to_string(picture));
        // Local rectangles and points are measured from the skin rectangle's corner.
        TRectValue own{0, 0, 0, 0};
        if (FIni.ValueExists(name, "skinrect")) {
            const TRectValue skin = Rect(name, "skinrect");
            own = {0, 0, skin.Width(), skin.Height()};
        }
        for (const TRule& rule : rules->second.Required) {
            if (rule.Form == TForm::PictureRect) {
                const TRectValue r = Rect(name, rule.Key);
                if (r.Width() < 1 || r.Height() < 1) Fail(name, rule.Key, "the rectangle is empty");
                if (r.Right > FWidth || r.Bottom > FHeight)
                    Fail(name, rule.Key,
                         "the rectangle lies outside the " + std::to_string(FWidth) + " x " +
                             std::to_string(FHeight) + " picture");
            } else if (rule.Form == TForm::LocalRect) {
                const TRectValue r = Rect(name, rule.Key);
                if (r.Width() < 1 || r.Height() < 1) Fail(name, rule.Key, "the rectangle is empty");
                if (r.Right > own.Right || r.Bottom > own.Bottom)
                    Fail(name, rule.Key, "the rectangle lies outside the " + own.Size() + " skin rectangle");
            } else if (rule.Form == TForm::Point) {
                const std::vector<int> p =
                    Coordinates(name, rule.Key, FIni.ReadString(name, rule.Key, ""), 2);
                if (p[0] > own.Right || p[1] > own.Bottom)
                    Fail(name, rule.Key, "the point lies outside the " + own.Size() + " skin rectangle");
            }
        }
        const auto& same = rules->second.SameSize;
        if (!same.empty()) {
            const TRectValue first = Rect(name, same.front());
            for (const char* key : same) {
                const TRectValue r = Rect(name, key);
                if (r.Width() != first.Width() || r.Height() != first.Height())
                    Fail(name, key, "is " + r.Size() + ", not " + first.Size() + " like " + same.front());
            }
        }
    }

    std::string FSkin;
    int FWidth, FHeight;
    int FPictureCount = 0;
    TMemIniFile FIni{""};
};

} // namespace

void CheckSkinText(const std::string& SkinName, const std::vector<std::string>& Lines, int PictureWidth,
                   int PictureHeight) {
    TChecker(SkinName, Lines, PictureWidth, PictureHeight).Run();
}

} // namespace skingen
