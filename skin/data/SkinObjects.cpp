#include "skin/data/SkinObjects.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/rtl/IniFile.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "skin/data/SkinData.h"
#include "skin/draw/SkinGeometry.h"

#include <utility>

namespace {
const char* const CommandNames[] = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                    "cmdefault", "cmrollup",   "cmminimizetotray"};
const char* const GaugeKindNames[] = {"gkhorizontal", "gkvertical"};

// An empty restore hint of a maximize, minimize or roll-up button reads "Restore".
void ApplyRestoreHintRule(const std::string& Hint, TskStdCommand Command, std::string& RestoreHint) {
    if (!RestoreHint.empty()) return;
    if ((Hint == "Maximize" && Command == cmMaximize) || (Hint == "Minimize" && Command == cmMinimize) ||
        ((Hint == "RollUp" || Hint == "Roll Up") && Command == cmRollUp))
        RestoreHint = "Restore";
}

// A 32-bit image of an active picture (opaque) and of its mask; the alpha of the first becomes the
// mask's luminance.
std::unique_ptr<TskBitmap> MaskedPicture(TskSkinData* Data, int PictureIndex, int MaskIndex) {
    TBitmap* picture = Data->ActivePicture(PictureIndex);
    TBitmap* mask = Data->ActivePicture(MaskIndex);
    if (PictureIndex == -1 || MaskIndex == -1 || !picture || !mask || picture->Empty()) return nullptr;
    auto image = std::make_unique<TskBitmap>();
    image->Assign(picture);
    TskBitmap maskImage;
    maskImage.Assign(mask);
    image->AlphaFromLuminance(maskImage);
    image->DetectPartialAlpha();
    return image;
}

} // namespace

const TskEnumWords CommandWords{CommandNames, 7, cmMinimizeToTray, cmDefault};
const TskEnumWords GaugeKindWords{GaugeKindNames, 2, gkVertical, gkHorizontal};

// ---- The object base

void TskDataSkinObject::OwnKeys(TskKeyVisitor& V) {
    V.String("hint", Hint);
    V.Boolean("rollup", RollUp);
    V.Integer("activepictureindex", ActivePictureIndex, -1);
    V.Integer("activemaskpictureindex", ActiveMaskPictureIndex, -1);
    V.Boolean("skinrectinapicture", SkinRectInAPicture);
    V.Integer("cursorindex", CursorIndex, -1);
    V.Rect("skinrect", SkinRect);
    V.Rect("activeskinrect", ActiveSkinRect);
    V.Rect("inactiveskinrect", InactiveSkinRect);
    V.Boolean("morphing", Morphing);
    V.Enum("morphkind", MorphKind, MorphKindWords);
    V.Integer("glowlayerpictureindex", GlowLayerPictureIndex, -1);
    V.Integer("glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
    V.Integer("glowlayeroffsetx", GlowLayerOffsetX);
    V.Integer("glowlayeroffsety", GlowLayerOffsetY);
    V.Integer("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

std::unique_ptr<TskBitmap> TskDataSkinObject::CutAlphaImage(TskSkinData* Data, const TRect& Rect,
                                                            int MaskIndex) const {
    TBitmap* picture = Data->ActivePicture(ActivePictureIndex);
    if (RectIsEmpty(Rect) || !picture) return nullptr;
    const int w = RectWidth(Rect), h = RectHeight(Rect);
    auto image = std::make_unique<TskBitmap>();
    image->SetSize(w, h);
    BitBlt(image->MemoryDC(), 0, 0, w, h, picture->Canvas()->Handle(), Rect.left, Rect.top, SRCCOPY);
    TBitmap* mask = MaskIndex == -1 ? nullptr : Data->ActivePicture(MaskIndex);
    if (!mask) {
        image->HasPartialAlpha = true;
        image->FillAlpha(255);
        return image;
    }
    // The mask from its own top-left corner; what it does not cover stays white (opaque).
    TskBitmap maskImage;
    maskImage.SetSize(w, h);
    TCanvas* canvas = maskImage.DrawCanvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect{0, 0, w, h});
    BitBlt(maskImage.MemoryDC(), 0, 0, std::min(w, mask->Width()), std::min(h, mask->Height()),
           mask->Canvas()->Handle(), 0, 0, SRCCOPY);
    image->AlphaFromLuminancePremultiplied(maskImage);
    image->DetectPartialAlpha();
    return image;
}

void TskDataSkinObject::CutLooks(TskSkinData* Data, bool Wanted, std::initializer_list<TskLook> Looks) const {
    for (const TskLook& look : Looks)
        *look.Image = Wanted ? CutAlphaImage(Data, look.Rect, look.MaskIndex) : nullptr;
}

// ---- The kinds

void TskDataSkinMenuItem::OwnKeys(TskKeyVisitor& V) {
    V.Integer("itemleftoffset", ItemLeftOffset);
    V.Integer("itemrightoffset", ItemRightOffset);
    V.Rect("dividerrect", DividerRect);
    V.Integer("dividerleftoffset", DividerLeftOffset);
    V.Integer("dividerrightoffset", DividerRightOffset);
    V.Rect("textrect", TextRect);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("activefontcolor", ActiveFontColor);
    V.Integer("unenabledfontcolor", UnenabledFontColor);
    V.Boolean("stretcheffect", StretchEffect);
    V.Boolean("inactivestretcheffect", InactiveStretchEffect);
    V.Boolean("dividerstretcheffect", DividerStretchEffect);
    V.Rect("animateskinrect", AnimateSkinRect);
    V.Integer("framecount", FrameCount);
    V.Integer("animateinterval", AnimateInterval, 25);
    V.Boolean("inactiveanimation", InactiveAnimation);
    V.Boolean("useimagecolor", UseImageColor);
    V.Integer("imagecolor", ImageColor);
    V.Integer("activeimagecolor", ActiveImageColor);
    V.Boolean("inactivetransparent", InactiveTransparent);
    V.Rect("checkimagerect", CheckImageRect);
    V.Rect("activecheckimagerect", ActiveCheckImageRect);
    V.Rect("radioimagerect", RadioImageRect);
    V.Rect("activeradioimagerect", ActiveRadioImageRect);
    V.Rect("arrowimagerect", ArrowImageRect);
    V.Rect("activearrowimagerect", ActiveArrowImageRect);
}

void TskDataSkinMainMenuItem::OwnKeys(TskKeyVisitor& V) {
    V.Integer("itemleftoffset", ItemLeftOffset);
    V.Integer("itemrightoffset", ItemRightOffset);
    V.Rect("downrect", DownRect);
    V.Rect("textrect", TextRect);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("activefontcolor", ActiveFontColor);
    V.Integer("downfontcolor", DownFontColor);
    V.Integer("unenabledfontColor", UnenabledFontColor);
    V.Boolean("stretcheffect", StretchEffect);
    V.Rect("animateskinrect", AnimateSkinRect);
    V.Integer("framecount", FrameCount);
    V.Integer("animateinterval", AnimateInterval, 25);
    V.Boolean("inactiveanimation", InactiveAnimation);
}

void TskDataSkinButton::OwnKeys(TskKeyVisitor& V) {
    V.Rect("downrect", DownRect);
    V.Rect("disableskinrsect", DisableSkinRsect);
    V.Integer("groupindex", GroupIndex, -1);
    V.Integer("alphamaskpictureindex", AlphaMaskPictureIndex, -1);
    V.Integer("alphamaskactivepictureindex", AlphaMaskActivePictureIndex, -1);
    V.Integer("alphamaskinactivepictureindex", AlphaMaskInactivePictureIndex, -1);
}

void TskDataSkinCaptionMenuButton::OwnKeys(TskKeyVisitor& V) {
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor, "", "fontName");
    V.Integer("activefontcolor", ActiveFontColor);
    V.Integer("downfontcolor", DownFontColor);
    V.Integer("inactivefontcolor", InactiveFontColor);
    V.Integer("leftoffset", LeftOffset, 10);
    V.Integer("rightoffset", RightOffset, 10);
    V.Integer("topposition", TopPosition);
    V.Rect("clientrect", ClRect);
}

void TskDataSkinCaptionTab::OwnKeys(TskKeyVisitor& V) {
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor, "", "fontName");
    V.Integer("activefontcolor", ActiveFontColor);
    V.Integer("downfontcolor", DownFontColor);
    V.Integer("leftoffset", LeftOffset, 10);
    V.Integer("rightoffset", RightOffset, 10);
    V.Integer("topposition", TopPosition);
    V.Rect("clientrect", ClRect);
}

void TskDataSkinStdButton::OwnKeys(TskKeyVisitor& V) {
    V.Enum("command", Command, CommandWords);
    V.Rect("restorerect", RestoreRect);
    V.Rect("restoreactiverect", RestoreActiveRect);
    V.Rect("restoredownrect", RestoreDownRect);
    V.Rect("restoreinactiverect", RestoreInactiveRect);
    V.String("restorehint", RestoreHint);
}

void TskDataSkinCaption::OwnKeys(TskKeyVisitor& V) {
    V.Boolean("defaultcaption", DefaultCaption);
    V.Rect("textrect", TextRect);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("activefontcolor", ActiveFontColor);
    V.Enum("alignment", Alignment, AlignmentWords);
    V.Boolean("shadow", Shadow);
    V.Integer("shadowcolor", ShadowColor);
    V.Boolean("light", Light);
    V.Integer("lightcolor", LightColor);
    V.Integer("activelightcolor", ActiveLightColor);
    V.Integer("activeshadowcolor", ActiveShadowColor);
    V.Rect("framerect", FrameRect);
    V.Rect("activeframerect", ActiveFrameRect);
    V.Rect("frametextrect", FrameTextRect);
    V.Integer("frameleftoffset", FrameLeftOffset);
    V.Integer("framerightoffset", FrameRightOffset);
    V.Boolean("stretcheffect", StretchEffect);
    V.Rect("animateskinrect", AnimateSkinRect);
    V.Integer("framecount", FrameCount);
    V.Integer("animateinterval", AnimateInterval, 25);
    V.Boolean("inactiveanimation", InactiveAnimation);
    V.Boolean("fullframe", FullFrame);
    V.Boolean("vistagloweffect", VistaGlowEffect);
    V.Boolean("vistaglowinactiveeffect", VistaGlowInactiveEffect);
    V.Boolean("gloweffect", GlowEffect);
    V.Boolean("glowinactiveeffect", GlowInactiveEffect);
    V.Integer("glowsize", GlowSize, 3);
    V.Integer("glowcolor", GlowColor);
    V.Integer("glowactivecolor", GlowActiveColor);
    V.Integer("glowoffset", GlowOffset);
    V.Boolean("reflectioneffect", ReflectionEffect);
    V.Integer("reflactioncolor", ReflactionColor);
    V.Integer("reflactionactivecolor", ReflactionActiveColor);
    V.Integer("reflectionoffset", ReflectionOffset);
    V.Rect("dividerrect", DividerRect);
    V.Rect("inactivedividerrect", InactiveDividerRect);
    V.Boolean("dividertransparent", DividerTransparent);
    V.Integer("dividertransparentcolor", DividerTransparentColor);
    V.Integer("quickbuttonalphamaskpictureindex", QuickButtonAlphaMaskPictureIndex, -1);
}

void TskDataSkinTrackBar::OwnKeys(TskKeyVisitor& V) {
    V.Rect("buttonrect", ButtonRect);
    V.Rect("activebuttonrect", ActiveButtonRect);
    V.Point("beginpoint", BeginPoint);
    V.Point("endpoint", EndPoint);
    V.Integer("minvalue", MinValue);
    V.Integer("maxvalue", MaxValue);
    V.Boolean("mousedownchangevalue", MouseDownChangeValue);
    V.Boolean("buttontransparent", ButtonTransparent);
    V.Integer("buttontransparentcolor", ButtonTransparentColor);
}

void TskDataSkinGauge::OwnKeys(TskKeyVisitor& V) {
    V.Integer("minvalue", MinValue);
    V.Integer("maxvalue", MaxValue);
    V.Enum("kind", Kind, GaugeKindWords);
}

void TskDataSkinFrameGaugeObject::OwnKeys(TskKeyVisitor& V) {
    V.Integer("minvalue", MinValue);
    V.Integer("maxvalue", MaxValue);
    V.Integer("countframes", CountFrames);
    V.Enum("framesplacement", FramesPlacement, FramesPlacementWords);
}

void TskDataSkinFrameRegulatorObject::OwnKeys(TskKeyVisitor& V) {
    V.Integer("minvalue", MinValue);
    V.Integer("maxvalue", MaxValue);
    V.Integer("countframes", CountFrames);
    V.Enum("framesplacement", FramesPlacement, FramesPlacementWords);
    V.Enum("kind", Kind, RegulatorKindWords);
}

void TskDataSkinLabel::OwnKeys(TskKeyVisitor& V) {
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor, "", "fontName");
    V.Integer("activefontcolor", ActiveFontColor);
    V.Enum("alignment", Alignment, AlignmentWords);
    V.String("textvalue", TextValue);
}

void TskDataSkinBitLabel::OwnKeys(TskKeyVisitor& V) {
    V.String("textvalue", TextValue);
    V.Integer("symbolwidth", SymbolWidth);
    V.Integer("symbolheight", SymbolHeight);
    V.Lines("symbols", Symbols);
    V.Boolean("transparent", Transparent);
    V.Integer("transparentcolor", TransparentColor, 16711935);
}

void TskDataSkinAnimate::OwnKeys(TskKeyVisitor& V) {
    V.Integer("countframes", CountFrames, 1);
    V.Boolean("cycle", Cycle);
    V.Boolean("buttonstyle", ButtonStyle);
    V.Integer("timerinterval", TimerInterval, 50);
    V.Enum("command", Command, CommandWords);
    V.Rect("downskinrect", DownSkinRect);
    V.Rect("restorerect", RestoreRect);
    V.Rect("restoreactiverect", RestoreActiveRect);
    V.Rect("restoredownrect", RestoreDownRect);
    V.Rect("restoreinactiverect", RestoreInactiveRect);
    V.String("restorehint", RestoreHint);
}

void TskDataUserObject::VisitKeys(TskKeyVisitor& V) {
    V.Boolean("rollup", RollUp);
    V.Rect("skinrect", SkinRect);
    V.Integer("cursorindex", CursorIndex, -1);
}

void TskDataSkinMenuItem::LoadFromIni(TCustomIniFile* Ini) {
    TskDataSkinObject::LoadFromIni(Ini);
    if (RectIsEmpty(ActiveCheckImageRect)) ActiveCheckImageRect = CheckImageRect;
    if (RectIsEmpty(ActiveRadioImageRect)) ActiveRadioImageRect = RadioImageRect;
    if (RectIsEmpty(ActiveArrowImageRect)) ActiveArrowImageRect = ArrowImageRect;
}

void TskDataSkinTrackBar::LoadFromIni(TCustomIniFile* Ini) {
    TskDataSkinObject::LoadFromIni(Ini);
    Morphing = false;
}

void TskDataSkinAnimate::LoadFromIni(TCustomIniFile* Ini) {
    TskDataSkinObject::LoadFromIni(Ini);
    Morphing = false;
    ApplyRestoreHintRule(Hint, Command, RestoreHint);
}

void TskDataSkinStdButton::LoadFromIni(TCustomIniFile* Ini) {
    TskDataSkinButton::LoadFromIni(Ini);
    ApplyRestoreHintRule(Hint, Command, RestoreHint);
}

namespace {
// Button images are cut only for a skin whose layer frame has a picture and a full border.
bool FramesFullBorder(TskSkinData* Data) {
    const TskDataSkinLayerFrame* frame = Data->LayerFrame();
    return frame->PictureIndex != -1 && frame->FullBorder;
}
} // namespace

void TskDataSkinButton::CutButtonLooks(TskSkinData* Data, bool Wanted) {
    CutLooks(Data, Wanted,
             {{&AlphaNormalImage, SkinRect, AlphaMaskPictureIndex},
              {&AlphaActiveImage, ActiveSkinRect, AlphaMaskActivePictureIndex},
              {&AlphaDownImage, DownRect, AlphaMaskActivePictureIndex},
              {&AlphaInactiveImage, InactiveSkinRect, AlphaMaskInactivePictureIndex}});
}

void TskDataSkinButton::InitAlphaImages(TskSkinData* Data) {
    CutButtonLooks(Data, FramesFullBorder(Data));
}

void TskDataSkinStdButton::InitAlphaImages(TskSkinData* Data) {
    const bool wanted = FramesFullBorder(Data);
    CutButtonLooks(Data, wanted);
    CutLooks(Data, wanted,
             {{&AlphaRestoreImage, RestoreRect, AlphaMaskPictureIndex},
              {&AlphaRestoreActiveImage, RestoreActiveRect, AlphaMaskActivePictureIndex},
              {&AlphaRestoreDownImage, RestoreDownRect, AlphaMaskActivePictureIndex},
              {&AlphaRestoreInactiveImage, RestoreInactiveRect, AlphaMaskInactivePictureIndex}});
}

void TskDataSkinCaptionMenuButton::InitAlphaImages(TskSkinData* Data) {
    CutButtonLooks(Data, true);
}

void TskDataSkinCaptionTab::InitAlphaImages(TskSkinData* Data) {
    CutLooks(Data, true,
             {{&AlphaNormalImage, SkinRect, AlphaMaskInactivePictureIndex},
              {&AlphaActiveImage, ActiveSkinRect, AlphaMaskActivePictureIndex},
              {&AlphaDownImage, DownRect, AlphaMaskPictureIndex}});
}

std::unique_ptr<TskDataSkinObject> CreateSkinObjectData(const std::string& Kind, const std::string& Name) {
    static const std::pair<const char*, TskKindMaker<TskDataSkinObject>> kinds[] = {
        {"menuitem", MakeKind<TskDataSkinObject, TskDataSkinMenuItem>},
        {"mainmenubaritem", MakeKind<TskDataSkinObject, TskDataSkinMainMenuBarItem>},
        {"mainmenuitem", MakeKind<TskDataSkinObject, TskDataSkinMainMenuItem>},
        {"captionmenubutton", MakeKind<TskDataSkinObject, TskDataSkinCaptionMenuButton>},
        {"captiontab", MakeKind<TskDataSkinObject, TskDataSkinCaptionTab>},
        {"stdbutton", MakeKind<TskDataSkinObject, TskDataSkinStdButton>},
        {"mainmenubarbutton", MakeKind<TskDataSkinObject, TskDataSkinMainMenuBarButton>},
        {"button", MakeKind<TskDataSkinObject, TskDataSkinButton>},
        {"caption", MakeKind<TskDataSkinObject, TskDataSkinCaption>},
        {"trackbar", MakeKind<TskDataSkinObject, TskDataSkinTrackBar>},
        {"gauge", MakeKind<TskDataSkinObject, TskDataSkinGauge>},
        {"framegauge", MakeKind<TskDataSkinObject, TskDataSkinFrameGaugeObject>},
        {"frameregulator", MakeKind<TskDataSkinObject, TskDataSkinFrameRegulatorObject>},
        {"label", MakeKind<TskDataSkinObject, TskDataSkinLabel>},
        {"bitlabel", MakeKind<TskDataSkinObject, TskDataSkinBitLabel>},
        {"switch", MakeKind<TskDataSkinObject, TskDataSkinSwitch>},
        {"animate", MakeKind<TskDataSkinObject, TskDataSkinAnimate>},
        {"userobject", MakeKind<TskDataSkinObject, TskDataUserObject>},
    };
    return CreateKind(kinds, Kind, Name);
}

// ---- The window descriptions

TskDataSkinPopupWindow::TskDataSkinPopupWindow() {
    TskKeyDefaults defaults;
    VisitKeys(defaults);
}

void TskDataSkinPopupWindow::LoadPopupWindow(TCustomIniFile* Ini) {
    TskKeyReader reader(Ini, "POPUPWINDOW");
    VisitKeys(reader);
}

void TskDataSkinPopupWindow::VisitKeys(TskKeyVisitor& V) {
    V.Integer("windowpictureindex", WindowPictureIndex, -1);
    V.Integer("maskpictureindex", MaskPictureIndex, -1);
    V.Point("lefttoppoint", LTPoint);
    V.Point("righttoppoint", RTPoint);
    V.Point("leftbottompoint", LBPoint);
    V.Point("rightbottompoint", RBPoint);
    V.Integer("cursorindex", CursorIndex, -1);
    V.Rect("itemsrect", ItemsRect);
    V.Integer("scrollmarkercolor", ScrollMarkerColor);
    V.Integer("scrollmarkeractivecolor", ScrollMarkerActiveColor);
    V.Boolean("leftstretch", LeftStretch);
    V.Boolean("rightstretch", RightStretch);
    V.Boolean("topstretch", TopStretch);
    V.Boolean("bottomstretch", BottomStretch);
    V.Boolean("stretcheffect", StretchEffect);
    V.Enum("stretchtype", StretchType, StretchTypeWords);
}

TskDataSkinHintWindow::TskDataSkinHintWindow() {
    TskKeyDefaults defaults;
    VisitKeys(defaults);
}

void TskDataSkinHintWindow::LoadHintWindow(TCustomIniFile* Ini) {
    TskKeyReader reader(Ini, "HINTWINDOW");
    VisitKeys(reader);
}

void TskDataSkinHintWindow::VisitKeys(TskKeyVisitor& V) {
    V.Integer("windowpictureindex", WindowPictureIndex, -1);
    V.Integer("maskpictureindex", MaskPictureIndex, -1);
    V.Point("lefttoppoint", LTPoint);
    V.Point("righttoppoint", RTPoint);
    V.Point("leftbottompoint", LBPoint);
    V.Point("rightbottompoint", RBPoint);
    V.Rect("clientrect", ClRect);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Boolean("leftstretch", LeftStretch);
    V.Boolean("rightstretch", RightStretch);
    V.Boolean("topstretch", TopStretch);
    V.Boolean("bottomstretch", BottomStretch);
    V.Boolean("stretcheffect", StretchEffect);
    V.Enum("stretchtype", StretchType, StretchTypeWords);
}

TskDataSkinLayerFrame::TskDataSkinLayerFrame() {
    TskKeyDefaults defaults;
    VisitKeys(defaults);
}

void TskDataSkinLayerFrame::LoadLayerFrame(TCustomIniFile* Ini) {
    TskKeyReader reader(Ini, "LAYERFRAME");
    VisitKeys(reader);
}

void TskDataSkinLayerFrame::VisitKeys(TskKeyVisitor& V) {
    V.Integer("pictureindex", PictureIndex, -1);
    V.Integer("maskpictureindex", MaskPictureIndex, -1);
    V.Integer("inactivepictureindex", InactivePictureIndex, -1);
    V.Integer("inactivemaskpictureindex", InactiveMaskPictureIndex, -1);
    V.Point("lefttoppoint", LTPoint);
    V.Point("righttoppoint", RTPoint);
    V.Point("leftbottompoint", LBPoint);
    V.Point("rightbottompoint", RBPoint);
    V.Rect("clientrect", ClRect);
    V.Integer("alphablendvalue", AlphaBlendValue, 255);
    V.Integer("inactivealphablendvalue", InactiveAlphaBlendValue, 255);
    V.Rect("borderrect", BorderRect);
    V.Boolean("hittestenable", HitTestEnable);
    V.Boolean("fullborder", FullBorder);
    V.Integer("hittestsize", HitTestSize);
    V.Rect("captionrect", CaptionRect);
    V.Point("hittestlefttoppoint", HitTestLTPoint);
    V.Point("hittestrighttoppoint", HitTestRTPoint);
    V.Point("hittestleftbottompoint", HitTestLBPoint);
    V.Point("hittestrightbottompoint", HitTestRBPoint);
    V.Rect("buttonsrect", ButtonsRect);
    V.Rect("sysmenubuttonrect", SysMenuButtonRect);
    V.Boolean("fullstretch", FullStretch);
    V.Integer("rollupformheight", RollUpFormHeight);
    V.Integer("buttonstopoffset", ButtonsTopOffset);
    V.Integer("sysbuttontopoffset", SysButtonTopOffset);
    V.Integer("blurmaskpictureindex", BlurMaskPictureIndex, -1);
    V.Rect("intersectblurmaskrect", IntersectBlurMaskRect);
    V.Rect("excludeblurmaskrect", ExcludeBlurMaskRect);
    V.Integer("leftoffset", LeftOffset);
    V.Integer("topoffset", TopOffset);
    V.Integer("widthoffset", WidthOffset);
    V.Integer("heightoffset", HeightOffset);
}

void TskDataSkinLayerFrame::BuildLayerImages(TskSkinData* Data) {
    ActiveImage = MaskedPicture(Data, PictureIndex, MaskPictureIndex);
    InactiveImage = MaskedPicture(Data, InactivePictureIndex, InactiveMaskPictureIndex);
}
