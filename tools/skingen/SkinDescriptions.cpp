#include "tools/skingen/SkinDescriptions.h"

#include "tools/skingen/GeneratedSkin.h"

namespace skingen {

TGeneratedSkin StartSkin(const std::string& ResourceName, const std::string& FileBase, int Width, int Height,
                         TRgb Background) {
    TGeneratedSkin skin;
    skin.ResourceName = ResourceName;
    skin.FileBase = FileBase;
    skin.Picture = std::make_unique<TArt>(Width, Height);
    skin.Picture->Fill({0, 0, Width, Height}, Background);
    return skin;
}

void WriteSkinHead(TSkinText& Text, const TSkinHead& Head) {
    Text.Section("VERSION")
        .Text("skinname", Head.Name)
        .Text("skinauthor", "OLVA Audio Editor")
        .Text("skincomments", Head.Comments);
    Text.Section("PICTURES");
    for (const char* optional : {"picture", "inactivepicture", "mask", "rolluppicture", "rollupmask"})
        Text.Text(optional, "");
    Text.Integer("activepicturescount", 1).Text("0", Head.PictureFile);
    Text.Section("FORMINFO");
    const TSkinColours& c = Head.Colours;
    Text.Section("SKINCOLORS")
        .Colour("cbtnface", c.BtnFace)
        .Colour("cbtntext", c.BtnText)
        .Colour("cwindow", c.Window)
        .Colour("cwindowtext", c.WindowText)
        .Colour("chighlight", c.Highlight)
        .Colour("chighlighttext", c.HighlightText)
        .Colour("cbtnhighlight", c.BtnHighlight)
        .Colour("cbtnshadow", c.BtnShadow)
        .Colour("c3dlight", c.Light3D)
        .Colour("c3ddkshadow", c.DkShadow3D);
    Text.Section("SKINOBJECTS").Integer("count", 0);
    Text.Section("SKINCONTROLS").Integer("count", int(Head.Controls.size()));
    for (std::size_t i = 0; i < Head.Controls.size(); ++i)
        Text.Text(std::to_string(i), Head.Controls[i].first + ":" + Head.Controls[i].second);
}

void WritePanel(TSkinText& Text, const std::string& Name, const TBox& Skin, int Frame, TRgb FontColour) {
    const int w = Skin.W, h = Skin.H, f = Frame;
    // The corner points sit on the client rectangle's corners: the edges' repeatable middles are then
    // the same rows and columns as the centre, so stretched edges and centre always line up.
    Text.Section(Name)
        .Integer("pictureindex", 0)
        .Rect("skinrect", Skin)
        .Point("lefttoppoint", f, f)
        .Point("righttoppoint", w - f, f)
        .Point("leftbottompoint", f, h - f)
        .Point("rightbottompoint", w - f, h - f)
        .Rect("clientrect", {f, f, w - 2 * f, h - 2 * f})
        .Boolean("leftstretch", true)
        .Boolean("topstretch", true)
        .Boolean("rightstretch", true)
        .Boolean("bottomstretch", true)
        .Boolean("stretcheffect", true)
        .Text("stretchtype", "stfull")
        .Integer("bgpictureindex", -1)
        .Font(SkinFontName, SkinFontHeight, FontColour);
}

void WriteButton(TSkinText& Text, const std::string& Name, const std::array<TBox, 5>& Faces, int Margin,
                 const TFontColours& Fonts) {
    const TBox& normal = Faces[0];
    const int m = Margin;
    // A non-zero right-top point makes the faces grow on the client grid (corners kept, edges and
    // centre stretched) at any button size.
    Text.Section(Name)
        .Integer("pictureindex", 0)
        .Rect("skinrect", normal)
        .Point("lefttoppoint", m, m)
        .Point("righttoppoint", normal.W - m, m)
        .Rect("clientrect", {m, m, normal.W - 2 * m, normal.H - 2 * m})
        .Boolean("stretcheffect", true)
        .Font(SkinFontName, SkinFontHeight, Fonts.Normal)
        .Colour("activefontcolor", Fonts.Hot)
        .Colour("downfontcolor", Fonts.Down)
        .Colour("disabledfontcolor", Fonts.Disabled)
        .Rect("activeskinrect", Faces[int(TFaceState::Hot)])
        .Rect("downskinrect", Faces[int(TFaceState::Down)])
        .Rect("focusedskinrect", Faces[int(TFaceState::Focused)])
        .Rect("disabledskinrect", Faces[int(TFaceState::Disabled)])
        .Boolean("morphing", true)
        .Text("morphkind", "mkdefault")
        .Boolean("showfocus", true)
        .Integer("glowlayerpictureindex", -1);
}

} // namespace skingen
