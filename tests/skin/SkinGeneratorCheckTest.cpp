// The generator's check of a skin before it is packed: both of our skins pass it, and each kind of
// mistake stops the generator with a message naming the skin, the section and the key.
#include "tools/skingen/GeneratedSkin.h"
#include "tools/skingen/SkinCheck.h"

#include <gtest/gtest.h>

#include <optional>

namespace skin_generator_check_test {
using namespace skingen;

// Changes one key of a section of a skin text: its value replaced, or the line removed (no value), or
// the key added at the end of the section when it is not there.
std::vector<std::string> Changed(std::vector<std::string> Lines, const std::string& Section,
                                 const std::string& Key, const std::optional<std::string>& Value) {
    std::size_t i = 0;
    while (i < Lines.size() && Lines[i] != "[" + Section + "]")
        ++i;
    EXPECT_LT(i, Lines.size()) << "no section " << Section;
    std::size_t end = i + 1;
    while (end < Lines.size() && !Lines[end].empty() && Lines[end][0] != '[')
        ++end;
    for (std::size_t k = i + 1; k < end; ++k)
        if (Lines[k].rfind(Key + "=", 0) == 0) {
            if (Value)
                Lines[k] = Key + "=" + *Value;
            else
                Lines.erase(Lines.begin() + std::ptrdiff_t(k));
            return Lines;
        }
    EXPECT_TRUE(Value.has_value()) << Section << " has no " << Key << " to remove";
    Lines.insert(Lines.begin() + std::ptrdiff_t(end), Key + "=" + Value.value_or(""));
    return Lines;
}

std::string CheckMessage(const TGeneratedSkin& Skin, const std::vector<std::string>& Lines) {
    try {
        CheckSkinText(Skin.ResourceName, Lines, Skin.Picture->Width(), Skin.Picture->Height());
    } catch (const ESkinCheck& e) {
        return e.what();
    }
    return "";
}

TEST(SkinGeneratorCheck, OurSkinsPass) {
    const TGeneratedSkin skins[] = {MakeMainWindowSkin(), MakeRecordingSkin()};
    for (const TGeneratedSkin& skin : skins)
        EXPECT_EQ(CheckMessage(skin, skin.Text.Lines()), "") << skin.ResourceName;
}

struct TMistake {
    bool Recording;
    const char* Section;
    const char* Key;
    std::optional<std::string> Value; // none: the key is removed
    const char* Expected;             // what the message must say after naming section and key
};

TEST(SkinGeneratorCheck, AMistakeStopsTheGeneratorNamingTheKey) {
    const TMistake mistakes[] = {
        {false, "panelTime", "clientrect", std::nullopt, "the key is missing"},
        {false, "buttonZoom", "downskinrect", "90,80,112,102", "lies outside the 100 x 100 picture"},
        {false, "panelbottom", "lefttoppoint", "-2,2", "negative coordinate"},
        {false, "buttonbottomPlay", "skinrect", "0,0,22", "is not a list of 4 numbers"},
        {false, "panelbottom", "stretcheffect", "2", "is not 0 or 1"},
        {false, "panelLeft", "pictureindex", "1", "there is no picture 1"},
        {false, "buttonEffectFav", "animateskinrect", "0,0,16,22", "must not be given"},
        {false, "panelTime", "captionrect", "2,2,10,20", "must not be given"},
        {false, "SKINCOLORS", "c3dlight", std::nullopt, "the key is missing"},
        {false, "SKINCONTROLS", "4", "buttonZoom:buton", "the kind 'buton' is not one the windows use"},
        {false, "buttonShowEffects", "fontcolor", "16777216", "is not a colour"},
        {true, "gauge", "progressarea", "0,0,19,200", "lies outside the 19 x 193 skin rectangle"},
        {true, "button", "focusedskinrect", "96,28,136,55", "is 40 x 27, not 40 x 28 like skinrect"},
        {true, "trackbar", "buttonrect", std::nullopt, "the key is missing"},
        {true, "trackbar", "leftbottompoint", "0,50", "the point lies outside the 18 x 49 skin rectangle"},
        {true, "checkradio", "grayedcheckimagerect", "56,97,56,110", "the rectangle is empty"},
        {true, "PICTURES", "mask", "mask.bmp", "must be empty"},
        {true, "VERSION", "skinauthor", std::nullopt, "the key is missing"},
    };
    const TGeneratedSkin skins[] = {MakeMainWindowSkin(), MakeRecordingSkin()};
    for (const TMistake& m : mistakes) {
        const TGeneratedSkin& skin = skins[m.Recording ? 1 : 0];
        const std::string message = CheckMessage(skin, Changed(skin.Text.Lines(), m.Section, m.Key, m.Value));
        const std::string where = skin.ResourceName + " [" + m.Section + "] " + m.Key + ": ";
        EXPECT_EQ(message.substr(0, where.size()), where) << message;
        EXPECT_NE(message.find(m.Expected), std::string::npos) << message;
    }
}

} // namespace skin_generator_check_test
