#include "SkinControlsTestSkin.h"

#include "SkinTestSupport.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Pen.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"

#include <algorithm>
#include <cmath>

namespace skintest {

namespace {

using namespace layout;

constexpr COLORREF Key = RGB(255, 0, 255);
constexpr COLORREF Backdrop = RGB(236, 236, 236);

COLORREF Mix(COLORREF A, COLORREF B, double T) {
    auto channel = [T](int a, int b) { return BYTE(std::lround(a + (b - a) * T)); };
    return RGB(channel(GetRValue(A), GetRValue(B)), channel(GetGValue(A), GetGValue(B)),
               channel(GetBValue(A), GetBValue(B)));
}

class TPainter {
public:
    explicit TPainter(TBitmap& Bitmap) : FCanvas(Bitmap.Canvas()) {}

    void Fill(const TRect& R, COLORREF Colour) {
        FCanvas->Brush()->SetStyle(bsSolid);
        FCanvas->Brush()->SetColor(TColor(Colour));
        FCanvas->FillRect(R);
    }
    void Frame(const TRect& R, COLORREF Colour) {
        FCanvas->Brush()->SetStyle(bsSolid);
        FCanvas->Brush()->SetColor(TColor(Colour));
        FCanvas->FrameRect(R);
    }
    void Pixel(int X, int Y, COLORREF Colour) { FCanvas->SetPixels(X, Y, TColor(Colour)); }
    // Rows from Top's colour to Bottom's.
    void Down(const TRect& R, COLORREF Top, COLORREF Bottom) {
        const int h = std::max<int>(1, R.bottom - R.top - 1);
        for (int y = R.top; y < R.bottom; ++y)
            Fill(TRect{R.left, y, R.right, y + 1}, Mix(Top, Bottom, double(y - R.top) / h));
    }
    // Columns from Left's colour to Right's.
    void Across(const TRect& R, COLORREF Left, COLORREF Right) {
        const int w = std::max<int>(1, R.right - R.left - 1);
        for (int x = R.left; x < R.right; ++x)
            Fill(TRect{x, R.top, x + 1, R.bottom}, Mix(Left, Right, double(x - R.left) / w));
    }
    // A face with a border, a soft highlight inside it and rounded corners.
    void Face(const TRect& R, COLORREF Border, COLORREF Top, COLORREF Bottom) {
        Down(R, Top, Bottom);
        Frame(R, Border);
        Frame(TRect{R.left + 1, R.top + 1, R.right - 1, R.top + 2}, Mix(Top, RGB(255, 255, 255), 0.6));
        for (auto [x, y] : {std::pair{R.left, R.top},
                            {R.right - 1, R.top},
                            {R.left, R.bottom - 1},
                            {R.right - 1, R.bottom - 1}})
            Pixel(x, y, Backdrop);
    }

private:
    TCanvas* FCanvas;
};

void DrawButtonFaces(TPainter& P) {
    const COLORREF borders[] = {RGB(60, 80, 110), RGB(30, 90, 170), RGB(20, 50, 110), RGB(30, 90, 170),
                                RGB(160, 160, 160)};
    const COLORREF tops[] = {RGB(236, 241, 248), RGB(238, 246, 255), RGB(110, 150, 215), RGB(238, 246, 255),
                             RGB(238, 238, 238)};
    const COLORREF bottoms[] = {RGB(176, 190, 214), RGB(140, 192, 250), RGB(168, 198, 240),
                                RGB(140, 192, 250), RGB(212, 212, 212)};
    for (int state = 0; state < 5; ++state)
        P.Face(ButtonFace(state), borders[state], tops[state], bottoms[state]);
    // The focused face: an amber ring inside the border.
    const TRect focused = ButtonFace(3);
    P.Frame(TRect{focused.left + 2, focused.top + 2, focused.right - 2, focused.bottom - 2},
            RGB(245, 170, 40));
}

void DrawHBar(TPainter& P) {
    // Every column its own colour, so that tiling and copying can be told apart.
    for (int x = 0; x < 22; ++x)
        P.Fill(TRect{HBar.left + x, HBar.top, HBar.left + x + 1, HBar.bottom}, RGB(10 * x, 100, 200 - 5 * x));
}

void DrawPanels(TPainter& P) {
    P.Fill(Panel, RGB(60, 72, 92));
    P.Frame(TRect{Panel.left + 1, Panel.top + 1, Panel.right - 1, Panel.bottom - 1}, RGB(150, 165, 190));
    P.Down(TRect{Panel.left + 2, Panel.top + 2, Panel.right - 2, Panel.bottom - 2}, RGB(214, 222, 236),
           RGB(190, 200, 220));
    P.Fill(TRect{Panel.left + 6, Panel.top + 6, Panel.right - 6, Panel.bottom - 6}, RGB(228, 233, 241));
    // The group box: a caption band over a framed client.
    const TRect g = GroupBox;
    P.Fill(g, RGB(60, 72, 92));
    P.Down(TRect{g.left + 1, g.top + 1, g.right - 1, g.top + 21}, RGB(80, 130, 200), RGB(40, 80, 150));
    P.Down(TRect{g.left + 2, g.top + 21, g.right - 2, g.bottom - 2}, RGB(214, 222, 236), RGB(190, 200, 220));
    P.Fill(TRect{g.left + 6, g.top + 22, g.right - 6, g.bottom - 6}, RGB(232, 236, 244));
}

void DrawCheckImages(TPainter& P) {
    for (int radio = 0; radio < 2; ++radio)
        for (int index = 0; index < 6; ++index) {
            const TRect r = CheckImage(index, radio == 1);
            P.Fill(r, Key);
            const bool checked = index % 2 == 1, active = index / 2 == 1, disabled = index / 2 == 2;
            const COLORREF border = disabled ? RGB(170, 170, 170)
                                    : active ? RGB(30, 110, 210)
                                             : RGB(70, 90, 120);
            const COLORREF mark = disabled ? RGB(150, 150, 150) : RGB(20, 120, 40);
            const TRect box{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
            P.Down(box, disabled ? RGB(235, 235, 235) : RGB(255, 255, 255),
                   disabled ? RGB(220, 220, 220)
                   : active ? RGB(205, 228, 255)
                            : RGB(222, 228, 236));
            P.Frame(box, border);
            if (radio == 1) {
                // Round off the corners of the radio box.
                for (auto [x, y] : {std::pair{box.left, box.top},
                                    {box.right - 1, box.top},
                                    {box.left, box.bottom - 1},
                                    {box.right - 1, box.bottom - 1}})
                    P.Pixel(x, y, Key);
                if (checked) P.Fill(TRect{r.left + 5, r.top + 5, r.right - 5, r.bottom - 5}, mark);
            } else if (checked) {
                // A tick.
                const int x0 = r.left + 4, y0 = r.top + 7;
                for (int i = 0; i < 7; ++i) {
                    const int y = i < 3 ? y0 + i : y0 + 4 - i;
                    P.Fill(TRect{x0 + i, y, x0 + i + 1, y + 2}, mark);
                }
            }
        }
    P.Face(CheckFace, RGB(120, 130, 150), RGB(246, 247, 250), RGB(214, 219, 228));
    P.Face(CheckActiveFace, RGB(40, 110, 200), RGB(240, 247, 255), RGB(190, 218, 250));
}

void DrawGauges(TPainter& P) {
    // The meter's frame: dark with a grid every four rows; its lit picture green, yellow and red.
    P.Fill(Gauge, RGB(22, 26, 32));
    P.Frame(Gauge, RGB(80, 88, 100));
    for (int y = Gauge.top + 3; y < Gauge.bottom - 1; y += 4)
        P.Fill(TRect{Gauge.left + 1, y, Gauge.right - 1, y + 1}, RGB(36, 42, 50));
    const int h = GaugeBar.bottom - GaugeBar.top;
    for (int y = 0; y < h; ++y) {
        const double t = double(h - 1 - y) / (h - 1); // 0 at the bottom, 1 at the top
        const COLORREF c = t < 0.6 ? Mix(RGB(40, 200, 60), RGB(235, 220, 40), t / 0.6)
                                   : Mix(RGB(235, 220, 40), RGB(230, 40, 30), (t - 0.6) / 0.4);
        const bool line = y % 4 == 3;
        P.Fill(TRect{GaugeBar.left, GaugeBar.top + y, GaugeBar.right, GaugeBar.top + y + 1},
               line ? RGB(22, 26, 32) : c);
        if (!line) {
            P.Pixel(GaugeBar.left, GaugeBar.top + y, RGB(80, 88, 100));
            P.Pixel(GaugeBar.right - 1, GaugeBar.top + y, RGB(80, 88, 100));
        }
    }
    // The horizontal gauge: a sunken trough and a blue bar with rounded caps.
    P.Face(HGauge, RGB(90, 100, 120), RGB(200, 206, 216), RGB(240, 242, 246));
    P.Down(HGaugeBar, RGB(120, 180, 250), RGB(30, 90, 190));
    for (int x : {HGaugeBar.left, HGaugeBar.right - 1})
        for (int y : {HGaugeBar.top, HGaugeBar.bottom - 1})
            P.Pixel(x, y, RGB(200, 206, 216));
}

void DrawTrack(TPainter& P) {
    P.Fill(Track, RGB(236, 236, 236));
    P.Fill(ActiveTrack, RGB(236, 236, 236));
    for (const auto& [r, groove] :
         {std::pair{Track, RGB(120, 126, 136)}, std::pair{ActiveTrack, RGB(40, 110, 210)}}) {
        const TRect g{r.left + 7, r.top + 3, r.left + 11, r.bottom - 3};
        P.Fill(g, groove);
        P.Frame(g, RGB(70, 76, 86));
    }
    for (const auto& [r, top, bottom] : {std::tuple{Thumb, RGB(250, 250, 250), RGB(180, 188, 200)},
                                         std::tuple{ActiveThumb, RGB(240, 248, 255), RGB(120, 176, 245)}}) {
        P.Fill(r, Key);
        P.Face(TRect{r.left + 1, r.top + 2, r.right - 1, r.bottom - 2}, RGB(60, 70, 90), top, bottom);
        for (int y = r.top + 8; y <= r.top + 14; y += 3)
            P.Fill(TRect{r.left + 5, y, r.right - 5, y + 1}, RGB(90, 100, 120));
    }
}

void DrawRoundButton(TPainter& P) {
    P.Face(RoundButton, RGB(40, 90, 60), RGB(200, 240, 210), RGB(90, 170, 110));
}

std::unique_ptr<TBitmap> NewPicture(int Width, int Height, COLORREF Colour) {
    return MakeBitmap(Width, Height, [Colour](int, int) { return std::uint32_t(Colour); });
}

// The check box and the radio button share a framed face; their check images lie in two rows.
std::string CheckRadioSection(const std::string& Name, bool Radio) {
    static const char* const keys[] = {"uncheckimagerect",          "checkimagerect",
                                       "activeuncheckimagerect",    "activecheckimagerect",
                                       "unenableduncheckimagerect", "unenabledcheckimagerect"};
    std::string text =
        "[" + Name +
        "]\npictureindex=0\nskinrect=160,32,240,56\nactiveskinrect=160,56,240,80\n"
        "lefttoppoint=24,0\nrighttoppoint=56,0\nclientrect=24,0,56,24\ncheckimagearea=3,3,21,21\n"
        "textarea=24,2,78,22\nfontname=Tahoma\nfontheight=13\nfontcolor=3940888\n"
        "activefontcolor=13131776\nunenabledfontcolor=9474192\nframefontcolor=3940888\nmorphing=1\n";
    for (int i = 0; i < 6; ++i) {
        const TRect r = CheckImage(i, Radio);
        text += std::string(keys[i]) + "=" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                std::to_string(r.right) + "," + std::to_string(r.bottom) + "\n";
    }
    return text;
}

} // namespace

std::string ControlsSkinText() {
    return R"([VERSION]
skinname=Controls test skin
skinauthor=OLVA tests
[PICTURES]
picture=
mask=
activepicturescount=5
0=controls.bmp
1=glow.bmp
2=glowmask.bmp
3=panelbg.bmp
4=roundmask.bmp
[FORMINFO]
[SKINCOLORS]
cbtnface=15263976
cbtnshadow=10526880
cbtntext=0
[SKINOBJECTS]
count=0
[SKINCONTROLS]
count=15
0=button:button
1=hbar:button
2=panel:panel
3=groupbox:panel
4=checkbox:checkradio
5=radiobox:checkradio
6=gauge:gauge
7=hgauge:gauge
8=trackbar:trackbar
9=panelbg:panel
10=nopicture:button
11=roundbutton:button
12=stdlabel:stdlabel
13=pastlist:button
14=animbutton:button
[button]
pictureindex=0
skinrect=0,0,60,24
activeskinrect=0,24,60,48
downskinrect=0,48,60,72
focusedskinrect=0,72,60,96
disabledskinrect=0,96,60,120
lefttoppoint=5,5
righttoppoint=55,5
leftbottompoint=5,19
rightbottompoint=55,19
clientrect=5,5,55,19
stretcheffect=1
fontname=Tahoma
fontheight=13
fontcolor=4724777
activefontcolor=10040064
downfontcolor=16777215
disabledfontcolor=4724777
morphing=1
morphkind=mkdefault
glowlayerpictureindex=1
glowlayermaskpictureindex=2
glowlayeroffsetleft=12
glowlayeroffsettop=12
glowlayeroffsetright=12
glowlayeroffsetbottom=12
glowlayershowoffsetx=6
glowlayershowoffsety=6
glowlayeralphablendvalue=200
[hbar]
pictureindex=0
skinrect=0,120,22,142
lefttoppoint=10,10
righttoppoint=12,10
clientrect=10,0,12,22
[panel]
pictureindex=0
skinrect=64,0,104,40
lefttoppoint=6,6
righttoppoint=34,6
leftbottompoint=6,34
rightbottompoint=34,34
clientrect=6,6,34,34
leftstretch=1
rightstretch=1
fontcolor=0
[groupbox]
pictureindex=0
skinrect=104,0,152,48
lefttoppoint=6,22
righttoppoint=42,22
leftbottompoint=6,42
rightbottompoint=42,42
clientrect=6,22,42,42
leftstretch=1
rightstretch=1
captionrect=4,2,44,20
alignment=taleftjustify
fontname=Tahoma
fontheight=13
fontstyle=fsbold
fontcolor=16777215
checkimagerect=175,0,190,15
uncheckimagerect=160,0,175,15
)" + CheckRadioSection("checkbox", false) +
           CheckRadioSection("radiobox", true) + R"([gauge]
pictureindex=0
skinrect=0,144,19,337
progressarea=0,0,19,193
progressrect=21,144,40,337
vertical=1
fontname=Tahoma
fontheight=11
fontstyle=fsbold
fontcolor=16777215
[hgauge]
pictureindex=0
skinrect=50,196,170,212
lefttoppoint=4,0
righttoppoint=116,0
clientrect=4,0,116,16
progressarea=2,2,118,14
progressrect=50,214,170,226
beginoffset=3
endoffset=3
fontname=Tahoma
fontheight=11
fontstyle=fsbold
fontcolor=3937290
[trackbar]
pictureindex=0
skinrect=60,144,78,193
lefttoppoint=0,8
leftbottompoint=0,41
clientrect=0,8,18,41
trackarea=0,0,18,48
buttonrect=80,144,98,167
activebuttonrect=100,144,118,167
activeskinrect=120,144,138,193
vertical=1
buttontransparent=1
buttontransparentcolor=16711935
[panelbg]
pictureindex=0
bgpictureindex=3
skinrect=64,0,104,40
lefttoppoint=6,6
righttoppoint=34,6
leftbottompoint=6,34
rightbottompoint=34,34
clientrect=6,6,34,34
stretcheffect=1
stretchtype=sthorz
[nopicture]
pictureindex=-1
skinrect=0,0,60,24
[roundbutton]
pictureindex=0
maskpictureindex=4
skinrect=140,100,162,122
[stdlabel]
fontcolor=255
[pastlist]
pictureindex=9
skinrect=0,0,60,24
[animbutton]
pictureindex=0
skinrect=0,0,60,24
activeskinrect=0,24,60,48
focusedskinrect=0,72,60,96
lefttoppoint=5,5
righttoppoint=55,5
leftbottompoint=5,19
rightbottompoint=55,19
clientrect=5,5,55,19
animateskinrect=0,0,60,72
framecount=3
animateinterval=30
)";
}

std::vector<std::unique_ptr<TBitmap>> ControlsSkinPictures() {
    std::vector<std::unique_ptr<TBitmap>> pictures;
    auto controls = NewPicture(256, 340, Backdrop);
    TPainter painter(*controls);
    DrawButtonFaces(painter);
    DrawHBar(painter);
    DrawPanels(painter);
    DrawCheckImages(painter);
    DrawGauges(painter);
    DrawTrack(painter);
    DrawRoundButton(painter);
    pictures.push_back(std::move(controls));
    // The glow: a light blue picture whose grey mask fades from the middle outwards (84 x 48 around a
    // 60 x 24 button, twelve pixels each side).
    pictures.push_back(NewPicture(84, 48, RGB(120, 200, 255)));
    pictures.push_back(MakeBitmap(84, 48, [](int x, int y) {
        const double dx = std::max(0.0, std::abs(x - 41.5) - 24.0) / 18.0;
        const double dy = std::max(0.0, std::abs(y - 23.5) - 6.0) / 18.0;
        const int v = std::clamp(int(255 * (1.0 - std::hypot(dx, dy))), 0, 255);
        return std::uint32_t(RGB(v, v, v));
    }));
    // The panel's background: 12 x 20, light at the top, darker at the bottom, a stripe down its middle.
    pictures.push_back(MakeBitmap(12, 20, [](int x, int y) {
        if (x == 5) return std::uint32_t(RGB(150, 170, 200));
        return std::uint32_t(Mix(RGB(240, 244, 250), RGB(190, 200, 220), y / 19.0));
    }));
    // The round button's mask: black inside a circle.
    pictures.push_back(MakeBitmap(
        22, 22, [](int x, int y) { return std::hypot(x - 10.5, y - 10.5) <= 10.5 ? 0u : 0xFFFFFFu; }));
    return pictures;
}

std::unique_ptr<TskCompressedStoredSkin> ControlsStoredSkin() {
    auto pictures = ControlsSkinPictures();
    std::vector<TBitmap*> raw;
    for (auto& picture : pictures)
        raw.push_back(picture.get());
    auto stored = std::make_unique<TskCompressedStoredSkin>(nullptr);
    PackTestSkin(ControlsSkinText(), raw, stored->CompressedStream());
    return stored;
}

void LoadControlsSkin(TskSkinData* Data, TskCompressedStoredSkin* Stored) {
    // A form keeps the packed bytes as its "CompressedData" and reads them back into its stored skin.
    TMemoryStream data;
    Stored->WriteCompressedData(&data);
    data.SetPosition(0);
    Stored->ReadCompressedData(&data);
    Data->SetCompressedStoredSkin(Stored);
}

} // namespace skintest
