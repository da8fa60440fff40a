#include "skin/data/SkinControls.h"

#include "platform/rtl/IniFile.h"

#include <utility>

namespace {
const char* const FramesPlacementNames[] = {"fphorizontal", "fpvertical"};
const char* const RegulatorKindNames[] = {"rkround", "rkhorizontal", "rkvertical"};

} // namespace

const TskEnumWords FramesPlacementWords{FramesPlacementNames, 2, fpVertical, fpHorizontal};
const TskEnumWords RegulatorKindWords{RegulatorKindNames, 3, rkVertical, rkRound};

void TskDataSkinControl::OwnKeys(TskKeyVisitor& V) {
    V.Integer("pictureindex", PictureIndex, -1);
    V.Integer("maskpictureindex", MaskPictureIndex, -1);
    V.Integer("cursorindex", CursorIndex, -1);
    V.Rect("skinrect", SkinRect);
}

void TskDataSkinFrameControl::LoadFromIni(TCustomIniFile* Ini) {
    TskDataSkinControl::LoadFromIni(Ini);
    if (FramesCount < 1) FramesCount = 1;
}

void TskDataSkinCustomControl::OwnKeys(TskKeyVisitor& V) {
    V.Point("lefttoppoint", LTPoint);
    V.Point("righttoppoint", RTPoint);
    V.Point("leftbottompoint", LBPoint);
    V.Point("rightbottompoint", RBPoint);
    V.Rect("clientrect", ClRect);
    V.Boolean("stretcheffect", StretchEffect);
    V.Boolean("leftstretch", LeftStretch);
    V.Boolean("topstretch", TopStretch);
    V.Boolean("rightstretch", RightStretch);
    V.Boolean("bottomstretch", BottomStretch);
    V.Enum("stretchtype", StretchType, StretchTypeWords);
}

void TskDataSkinFrameControl::OwnKeys(TskKeyVisitor& V) {
    V.Integer("framescount", FramesCount, 1);
    V.Enum("framesplacement", FramesPlacement, FramesPlacementWords);
}

void TskDataSkinSlider::OwnKeys(TskKeyVisitor& V) {
    V.Integer("bgcolor", BGColor);
    V.Rect("hrulerrect", HRulerRect);
    V.Rect("hthumbrect", HThumbRect);
    V.Rect("vrulerrect", VRulerRect);
    V.Rect("vthumbrect", VThumbRect);
    V.Integer("edgesize", EdgeSize);
    V.Integer("pointscolor", PointsColor);
}

void TskDataSkinBevel::OwnKeys(TskKeyVisitor& V) {
    V.Integer("lightcolor", LightColor);
    V.Integer("darkcolor", DarkColor);
}

void TskDataSkinPanelControl::OwnKeys(TskKeyVisitor& V) {
    V.Integer("bgpictureindex", BGPictureIndex, -1);
    V.Rect("captionrect", CaptionRect);
    V.Enum("alignment", Alignment, AlignmentWords);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Rect("checkimagerect", CheckImageRect);
    V.Rect("uncheckimagerect", UncheckImageRect);
    V.Rect("markframerect", MarkFrameRect);
    V.Rect("framerect", FrameRect);
    V.Rect("frametextrect", FrameTextRect);
    V.Integer("frameleftoffset", FrameLeftOffset);
    V.Integer("framerightoffset", FrameRightOffset);
    V.Rect("gripperrect", GripperRect);
    V.Boolean("grippertransparent", GripperTransparent);
    V.Integer("grippertransparentcolor", GripperTransparentColor);
}

void TskDataSkinExPanelControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("rollhskinrect", RollHSkinRect);
    V.Rect("rollvskinrect", RollVSkinRect);
    V.Integer("rollleftoffset", RollLeftOffset);
    V.Integer("rollrightoffset", RollRightOffset);
    V.Integer("rolltopoffset", RollTopOffset);
    V.Integer("rollbottomoffset", RollBottomOffset);
    V.Rect("rollvcaptionrect", RollVCaptionRect);
    V.Rect("rollhcaptionrect", RollHCaptionRect);
    V.Rect("closebuttonrect", CloseButtonRect);
    V.Rect("closebuttonactiverect", CloseButtonActiveRect);
    V.Rect("closebuttondownrect", CloseButtonDownRect);
    V.Rect("hrollbuttonrect", HRollButtonRect);
    V.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
    V.Rect("hrollbuttondownrect", HRollButtonDownRect);
    V.Rect("hrestorebuttonrect", HRestoreButtonRect);
    V.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
    V.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
    V.Rect("vrollbuttonrect", VRollButtonRect);
    V.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
    V.Rect("vrollbuttondownrect", VRollButtonDownRect);
    V.Rect("vrestorebuttonrect", VRestoreButtonRect);
    V.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
    V.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
    V.Rect("captionrect", CaptionRect);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Boolean("buttonstransparent", ButtonsTransparent);
    V.Integer("buttonstransparentcolor", ButtonsTransparentColor);
}

void TskDataSkinButtonControl::OwnKeys(TskKeyVisitor& V) {
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("activefontcolor", ActiveFontColor);
    V.Integer("disabledfontcolor", DisabledFontColor);
    V.Integer("downfontcolor", DownFontColor);
    V.Boolean("morphing", Morphing);
    V.Enum("morphkind", MorphKind, MorphKindWords);
    V.Rect("activeskinrect", ActiveSkinRect);
    V.Rect("downskinrect", DownSkinRect);
    V.Rect("focusedskinrect", FocusedSkinRect);
    V.Rect("disabledskinrect", DisabledSkinRect);
    V.Rect("animateskinrect", AnimateSkinRect);
    V.Integer("framecount", FrameCount);
    V.Integer("animateinterval", AnimateInterval, 25);
    V.Boolean("showfocus", ShowFocus);
    V.Rect("menumarkerflatrect", MenuMarkerFlatRect);
    V.Rect("menumarkerrect", MenuMarkerRect);
    V.Rect("menumarkeractiverect", MenuMarkerActiveRect);
    V.Rect("menumarkerdownrect", MenuMarkerDownRect);
    V.Integer("menumarkertransparentcolor", MenuMarkerTransparentColor);
    V.Integer("glowlayerpictureindex", GlowLayerPictureIndex, -1);
    V.Integer("glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
    V.Integer("glowlayeroffsetleft", GlowLayerOffsetLeft);
    V.Integer("glowlayeroffsettop", GlowLayerOffsetTop);
    V.Integer("glowlayeroffsetright", GlowLayerOffsetRight);
    V.Integer("glowlayeroffsetbottom", GlowLayerOffsetBottom);
    V.Integer("glowlayershowoffsetx", GlowLayerShowOffsetX);
    V.Integer("glowlayershowoffsety", GlowLayerShowOffsetY);
    V.Integer("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TskDataSkinMenuButtonControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("trackbuttonrect", TrackButtonRect);
}

void TskDataSkinCheckRadioControl::OwnKeys(TskKeyVisitor& V) {
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("activefontcolor", ActiveFontColor);
    V.Integer("unenabledfontcolor", UnenabledFontColor);
    V.Integer("framefontcolor", FrameFontColor);
    V.Boolean("morphing", Morphing);
    V.Enum("morphkind", MorphKind, MorphKindWords);
    V.Rect("activeskinrect", ActiveSkinRect);
    V.Rect("checkimagearea", CheckImageArea);
    V.Rect("textarea", TextArea);
    V.Rect("checkimagerect", CheckImageRect);
    V.Rect("uncheckimagerect", UncheckImageRect);
    V.Rect("activecheckimagerect", ActiveCheckImageRect);
    V.Rect("activeuncheckimagerect", ActiveUncheckImageRect);
    V.Rect("unenabledcheckimagerect", UnenabledCheckImageRect);
    V.Rect("unenableduncheckimagerect", UnenabledUncheckImageRect);
    V.Rect("grayedcheckimagerect", GrayedCheckImageRect);
    V.Rect("activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
}

void TskDataSkinGaugeControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("progressarea", ProgressArea);
    V.Rect("progressrect", ProgressRect);
    V.Integer("beginoffset", BeginOffset);
    V.Integer("endoffset", EndOffset);
    V.Boolean("vertical", Vertical);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Boolean("progresstransparent", ProgressTransparent);
    V.Integer("progresstransparentcolor", ProgressTransparentColor);
    V.Boolean("progressstretch", ProgressStretch);
    V.Rect("animationskinrect", AnimationSkinRect);
    V.Integer("animationcountframes", AnimationCountFrames);
    V.Integer("animationtimerinterval", AnimationTimerInterval);
    V.Rect("progressanimationskinrect", ProgressAnimationSkinRect);
    V.Integer("progressanimationcountframes", ProgressAnimationCountFrames);
    V.Integer("progressanimationtimerinterval", ProgressAnimationTimerInterval);
    V.Integer("animationbeginoffset", AnimationBeginOffset);
    V.Integer("animationendoffset", AnimationEndOffset);
}

void TskDataSkinSplitterControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("gripperrect", GripperRect);
    V.Boolean("grippertransparent", GripperTransparent);
    V.Integer("grippertransparentcolor", GripperTransparentColor);
}

void TskDataSkinTrackBarControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("activeskinrect", ActiveSkinRect);
    V.Rect("trackarea", TrackArea);
    V.Rect("buttonrect", ButtonRect);
    V.Rect("activebuttonrect", ActiveButtonRect);
    V.Boolean("vertical", Vertical);
    V.Boolean("buttontransparent", ButtonTransparent);
    V.Integer("buttontransparentcolor", ButtonTransparentColor);
}

void TskDataSkinLabelControl::OwnKeys(TskKeyVisitor& V) {
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
}

void TskDataSkinStdLabelControl::OwnKeys(TskKeyVisitor& V) {
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("activefontcolor", ActiveFontColor, 16711680);
}

void TskDataSkinBitLabelControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("skintextrect", SkinTextRect);
    V.Integer("symbolwidth", SymbolWidth);
    V.Integer("symbolheight", SymbolHeight);
    V.Lines("symbols", Symbols);
}

void TskDataSkinFrameRegulator::OwnKeys(TskKeyVisitor& V) {
    V.Enum("kind", Kind, RegulatorKindWords);
}

void TskDataSkinUpDownControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("upbuttonrect", UpButtonRect);
    V.Rect("activeupbuttonrect", ActiveUpButtonRect);
    V.Rect("downupbuttonrect", DownUpButtonRect);
    V.Rect("downbuttonrect", DownButtonRect);
    V.Rect("activedownbuttonrect", ActiveDownButtonRect);
    V.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TskDataSkinGridControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("fixedcellrect", FixedCellRect);
    V.Rect("selectcellrect", SelectCellRect);
    V.Rect("focuscellrect", FocusCellRect);
    V.Integer("fixedcellleftoffset", FixedCellLeftOffset);
    V.Integer("fixedcellrightoffset", FixedCellRightOffset);
    V.Rect("fixedcelltextrect", FixedCellTextRect);
    V.Integer("cellleftoffset", CellLeftOffset);
    V.Integer("cellrightoffset", CellRightOffset);
    V.Rect("celltextrect", CellTextRect);
    V.Integer("linescolor", LinesColor);
    V.Integer("bgcolor", BGColor);
    V.Integer("bgpictureindex", BGPictureIndex, -1);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("selectfontcolor", SelectFontColor);
    V.Integer("focusfontcolor", FocusFontColor);
    V.FontGroup(FixedFontName, FixedFontHeight, FixedFontStyle, FixedFontColor, "fixed");
    V.Boolean("cellstretcheffect", CellStretchEffect);
    V.Boolean("fixedcellstretcheffect", FixedCellStretchEffect);
    V.Boolean("showfocus", ShowFocus);
}

void TskDataSkinTabControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("tabrect", TabRect);
    V.Rect("activetabrect", ActiveTabRect);
    V.Rect("focustabrect", FocusTabRect);
    V.Rect("mouseintabrect", MouseInTabRect);
    V.Rect("clientrect", ClRect);
    V.Integer("bgpictureindex", BGPictureIndex, -1);
    V.Point("lefttoppoint", LTPoint);
    V.Point("righttoppoint", RTPoint);
    V.Point("leftbottompoint", LBPoint);
    V.Point("rightbottompoint", RBPoint);
    V.Integer("tableftoffset", TabLeftOffset);
    V.Integer("tabrightoffset", TabRightOffset);
    V.Rect("tabsbgrect", TabsBGRect);
    V.Boolean("tabstretcheffect", TabStretchEffect);
    V.Boolean("leftstretch", LeftStretch);
    V.Boolean("topstretch", TopStretch);
    V.Boolean("rightstretch", RightStretch);
    V.Boolean("bottomstretch", BottomStretch);
    V.Boolean("stretcheffect", StretchEffect);
    V.Enum("stretchtype", StretchType, StretchTypeWords);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("activefontcolor", ActiveFontColor);
    V.Integer("focusfontcolor", FocusFontColor);
    V.Integer("mouseinfontcolor", MouseInFontColor);
    V.String("updown", UpDown);
    V.Boolean("showfocus", ShowFocus);
    V.Integer("focusoffsetx", FocusOffsetX);
    V.Integer("focusoffsety", FocusOffsetY);
    V.Rect("closebuttonrect", CloseButtonRect);
    V.Rect("closebuttonactiverect", CloseButtonActiveRect);
    V.Rect("closebuttondownrect", CloseButtonDownRect);
    V.Boolean("buttontransparent", ButtonTransparent);
    V.Integer("buttontransparentcolor", ButtonTransparentColor);
    V.Rect("tableftbottomactiverect", TabLeftBottomActiveRect);
    V.Rect("tableftbottomfocusrect", TabLeftBottomFocusRect);
}

void TskDataSkinMainMenuBar::OwnKeys(TskKeyVisitor& V) {
    V.Rect("itemsrect", ItemsRect);
    V.String("menubaritem", MenuBarItem);
    V.String("closebutton", CloseButton);
    V.String("minbutton", MinButton);
    V.String("maxbutton", MaxButton);
    V.String("sysmenubutton", SysMenuButton);
    V.Integer("trackmarkcolor", TrackMarkColor);
    V.Integer("trackmarkactivecolor", TrackMarkActiveColor);
    V.Boolean("stretcheffect", StretchEffect);
    V.Boolean("itemtransparent", ItemTransparent);
}

void TskDataSkinControlBar::OwnKeys(TskKeyVisitor& V) {
    V.Rect("itemrect", ItemRect);
    V.Integer("bgpictureindex", BGPictureIndex, -1);
    V.Rect("hgriprect", HGripRect);
    V.Rect("vgriprect", VGripRect);
    V.Integer("gripoffset1", GripOffset1);
    V.Integer("gripoffset2", GripOffset2);
    V.Boolean("itemstretcheffect", ItemStretchEffect);
    V.Integer("itemoffset1", ItemOffset1, 3);
    V.Integer("itemoffset2", ItemOffset2, 3);
    V.Boolean("itemtransparent", ItemTransparent);
    V.Integer("itemtransparentcolor", ItemTransparentColor);
    V.Boolean("griptransparent", GripTransparent);
    V.Integer("griptransparentcolor", GripTransparentColor);
}

void TskDataSkinEditControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("activeskinrect", ActiveSkinRect);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("disabledfontcolor", DisabledFontColor);
    V.Integer("activefontcolor", ActiveFontColor);
    V.Rect("buttonrect", ButtonRect);
    V.Rect("activebuttonrect", ActiveButtonRect);
    V.Rect("downbuttonrect", DownButtonRect);
    V.Rect("unenabledbuttonrect", UnenabledButtonRect);
}

void TskDataSkinMemoControl::OwnKeys(TskKeyVisitor& V) {
    V.Integer("bgcolor", BGColor);
    V.Integer("activebgcolor", ActiveBGColor);
}

void TskDataSkinListBox::OwnKeys(TskKeyVisitor& V) {
    V.Rect("itemrect", ItemRect);
    V.Rect("activeitemrect", ActiveItemRect);
    V.Rect("focusitemrect", FocusItemRect);
    V.Integer("itemleftoffset", ItemLeftOffset);
    V.Integer("itemrightoffset", ItemRightOffset);
    V.Rect("itemtextrect", ItemTextRect);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("activefontcolor", ActiveFontColor);
    V.Integer("focusfontcolor", FocusFontColor);
    V.Rect("captionrect", CaptionRect);
    V.FontGroup(CaptionFontName, CaptionFontHeight, CaptionFontStyle, CaptionFontColor, "caption");
    V.Rect("upbuttonrect", UpButtonRect);
    V.Rect("activeupbuttonrect", ActiveUpButtonRect);
    V.Rect("downupbuttonrect", DownUpButtonRect);
    V.Rect("downbuttonrect", DownButtonRect);
    V.Rect("activedownbuttonrect", ActiveDownButtonRect);
    V.Rect("downdownbuttonrect", DownDownButtonRect);
    V.Rect("checkbuttonrect", CheckButtonRect);
    V.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
    V.Rect("downcheckbuttonrect", DownCheckButtonRect);
    V.String("vscrollbarname", VScrollBarName, "vscrollbar");
    V.String("hscrollbarname", HScrollBarName, "hscrollbar");
    V.String("bothhscrollbarname", BothHScrollBarName, "bothhscrollbar");
    V.Boolean("showfocus", ShowFocus);
    V.Rect("disabledbuttonsrect", DisabledButtonsRect);
    V.Rect("buttonsarea", ButtonsArea);
}

void TskDataSkinCheckListBox::OwnKeys(TskKeyVisitor& V) {
    V.Rect("checkimagerect", CheckImageRect);
    V.Rect("itemcheckrect", ItemCheckRect);
    V.Rect("uncheckimagerect", UncheckImageRect);
}

void TskDataSkinComboBox::OwnKeys(TskKeyVisitor& V) {
    V.Rect("activeskinrect", ActiveSkinRect);
    V.Rect("itemrect", ItemRect);
    V.Rect("activeitemrect", ActiveItemRect);
    V.Rect("focusitemrect", FocusItemRect);
    V.Integer("itemleftoffset", ItemLeftOffset);
    V.Integer("itemrightoffset", ItemRightOffset);
    V.Rect("itemtextrect", ItemTextRect);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("focusfontcolor", FocusFontColor);
    V.Integer("activefontcolor", ActiveFontColor);
    V.String("listboxname", ListBoxName);
    V.Rect("buttonrect", ButtonRect);
    V.Rect("activebuttonrect", ActiveButtonRect);
    V.Rect("downbuttonrect", DownButtonRect);
    V.Rect("unenabledbuttonrect", UnenabledButtonRect);
    V.Boolean("itemstretcheffect", ItemStretchEffect);
    V.Boolean("focusitemstretcheffect", FocusItemStretchEffect);
    V.Boolean("showfocus", ShowFocus);
}

void TskDataSkinScrollBarControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("trackarea", TrackArea);
    V.Rect("upbuttonrect", UpButtonRect);
    V.Rect("activeupbuttonrect", ActiveUpButtonRect);
    V.Rect("downupbuttonrect", DownUpButtonRect);
    V.Rect("downbuttonrect", DownButtonRect);
    V.Rect("activedownbuttonrect", ActiveDownButtonRect);
    V.Rect("downdownbuttonrect", DownDownButtonRect);
    V.Rect("thumbrect", ThumbRect);
    V.Rect("activethumbrect", ActiveThumbRect);
    V.Rect("downthumbrect", DownThumbRect);
    V.Integer("thumboffset1", ThumbOffset1);
    V.Integer("thumboffset2", ThumbOffset2);
    V.Boolean("thumbtransparent", ThumbTransparent);
    V.Integer("thumbtransparentcolor", ThumbTransparentColor);
    V.Boolean("thumbstretcheffect", ThumbStretchEffect);
    V.Integer("thumbminsize", ThumbMinSize);
    V.Integer("thumbminpagesize", ThumbMinPageSize);
    V.Rect("glyphrect", GlyphRect);
    V.Rect("activeglyphrect", ActiveGlyphRect);
    V.Rect("downglyphrect", DownGlyphRect);
    V.Boolean("glyphtransparent", GlyphTransparent);
    V.Integer("glyphtransparentcolor", GlyphTransparentColor);
}

void TskDataSkinSpinEditControl::OwnKeys(TskKeyVisitor& V) {
    V.Rect("activeskinrect", ActiveSkinRect);
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("activefontcolor", ActiveFontColor);
    V.Integer("disabledfontcolor", DisabledFontColor);
    V.Rect("upbuttonrect", UpButtonRect);
    V.Rect("activeupbuttonrect", ActiveUpButtonRect);
    V.Rect("downupbuttonrect", DownUpButtonRect);
    V.Rect("downbuttonrect", DownButtonRect);
    V.Rect("activedownbuttonrect", ActiveDownButtonRect);
    V.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TskDataSkinScrollBoxControl::OwnKeys(TskKeyVisitor& V) {
    V.Integer("bgpictureindex", BGPictureIndex, -1);
}

void TskDataSkinTreeView::OwnKeys(TskKeyVisitor& V) {
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("bgcolor", BGColor);
    V.Rect("expandimagerect", ExpandImageRect);
    V.Rect("noexpandimagerect", NoExpandImageRect);
}

void TskDataSkinListView::OwnKeys(TskKeyVisitor& V) {
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("bgcolor", BGColor);
}

void TskDataSkinRichEdit::OwnKeys(TskKeyVisitor& V) {
    V.FontGroup(FontName, FontHeight, FontStyle, FontColor);
    V.Integer("bgcolor", BGColor);
}

std::unique_ptr<TskDataSkinControl> CreateSkinControlData(const std::string& Kind, const std::string& Name) {
    static const std::pair<const char*, TskKindMaker<TskDataSkinControl>> kinds[] = {
        {"slider", MakeKind<TskDataSkinControl, TskDataSkinSlider>},
        {"bevel", MakeKind<TskDataSkinControl, TskDataSkinBevel>},
        {"panel", MakeKind<TskDataSkinControl, TskDataSkinPanelControl>},
        {"expanel", MakeKind<TskDataSkinControl, TskDataSkinExPanelControl>},
        {"menubutton", MakeKind<TskDataSkinControl, TskDataSkinMenuButtonControl>},
        {"button", MakeKind<TskDataSkinControl, TskDataSkinButtonControl>},
        {"checkradio", MakeKind<TskDataSkinControl, TskDataSkinCheckRadioControl>},
        {"gauge", MakeKind<TskDataSkinControl, TskDataSkinGaugeControl>},
        {"splitter", MakeKind<TskDataSkinControl, TskDataSkinSplitterControl>},
        {"trackbar", MakeKind<TskDataSkinControl, TskDataSkinTrackBarControl>},
        {"label", MakeKind<TskDataSkinControl, TskDataSkinLabelControl>},
        {"stdlabel", MakeKind<TskDataSkinControl, TskDataSkinStdLabelControl>},
        {"bitlabel", MakeKind<TskDataSkinControl, TskDataSkinBitLabelControl>},
        {"frameregulator", MakeKind<TskDataSkinControl, TskDataSkinFrameRegulator>},
        {"framegauge", MakeKind<TskDataSkinControl, TskDataSkinFrameGauge>},
        {"animate", MakeKind<TskDataSkinControl, TskDataSkinAnimateControl>},
        {"updown", MakeKind<TskDataSkinControl, TskDataSkinUpDownControl>},
        {"switch", MakeKind<TskDataSkinControl, TskDataSkinSwitchControl>},
        {"grid", MakeKind<TskDataSkinControl, TskDataSkinGridControl>},
        {"tab", MakeKind<TskDataSkinControl, TskDataSkinTabControl>},
        {"mainmenubar", MakeKind<TskDataSkinControl, TskDataSkinMainMenuBar>},
        {"controlbar", MakeKind<TskDataSkinControl, TskDataSkinControlBar>},
        {"memo", MakeKind<TskDataSkinControl, TskDataSkinMemoControl>},
        {"edit", MakeKind<TskDataSkinControl, TskDataSkinEditControl>},
        {"checklistbox", MakeKind<TskDataSkinControl, TskDataSkinCheckListBox>},
        {"listbox", MakeKind<TskDataSkinControl, TskDataSkinListBox>},
        {"combobox", MakeKind<TskDataSkinControl, TskDataSkinComboBox>},
        {"scrollbar", MakeKind<TskDataSkinControl, TskDataSkinScrollBarControl>},
        {"spinedit", MakeKind<TskDataSkinControl, TskDataSkinSpinEditControl>},
        {"scrollbox", MakeKind<TskDataSkinControl, TskDataSkinScrollBoxControl>},
        {"treeview", MakeKind<TskDataSkinControl, TskDataSkinTreeView>},
        {"listview", MakeKind<TskDataSkinControl, TskDataSkinListView>},
        {"richedit", MakeKind<TskDataSkinControl, TskDataSkinRichEdit>},
    };
    return CreateKind(kinds, Kind, Name);
}
