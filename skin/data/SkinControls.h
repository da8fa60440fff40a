// Control descriptions: how each kind of skinned control draws itself from the skin's pictures. The
// skin text lists them in "SKINCONTROLS" as "name:kind"; the name is also the description's section.
// Every class lists its keys once (VisitKeys, its base's first): that list sets the defaults, reads the
// section and writes it.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/StringList.h"
#include "skin/data/SkinKeys.h"

#include <memory>
#include <string>

class TCustomIniFile;

// Whether the frames of a frame description lie side by side or one under another.
enum TskFramesPlacement { fpHorizontal, fpVertical };
// The kind of a frame regulator.
enum TskRegulatorKind { rkRound, rkHorizontal, rkVertical };
extern const TskEnumWords FramesPlacementWords;
extern const TskEnumWords RegulatorKindWords;

class TskDataSkinControl : public TskKind<TskDataSkinControl, TskSkinSection> {
public:
    explicit TskDataSkinControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    // Indexes into the skin's active pictures; -1 (or one past the list) for none.
    int PictureIndex;
    int MaskPictureIndex;
    int CursorIndex;
    TRect SkinRect;
};

// A description that grows by the corner group: four points and the client rectangle cut its picture
// rectangle into corners, edges and centre.
class TskDataSkinCustomControl : public TskKind<TskDataSkinCustomControl, TskDataSkinControl> {
public:
    explicit TskDataSkinCustomControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    bool StretchEffect;
    bool LeftStretch;
    bool TopStretch;
    bool RightStretch;
    bool BottomStretch;
    TskStretchType StretchType;
};

// A description of several frames side by side (or one under another) in its skin rectangle.
class TskDataSkinFrameControl : public TskKind<TskDataSkinFrameControl, TskDataSkinControl> {
public:
    explicit TskDataSkinFrameControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    // A frame count below 1 reads as 1.
    void LoadFromIni(TCustomIniFile* Ini) override;
    void OwnKeys(TskKeyVisitor& V);

    int FramesCount;
    TskFramesPlacement FramesPlacement;
};

// The kind "slider".
class TskDataSkinSlider : public TskKind<TskDataSkinSlider, TskDataSkinControl> {
public:
    explicit TskDataSkinSlider(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    int BGColor;
    TRect HRulerRect;
    TRect HThumbRect;
    TRect VRulerRect;
    TRect VThumbRect;
    int EdgeSize;
    int PointsColor;
};

// The kind "bevel".
class TskDataSkinBevel : public TskKind<TskDataSkinBevel, TskDataSkinControl> {
public:
    explicit TskDataSkinBevel(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    int LightColor;
    int DarkColor;
};

// The kind "panel".
class TskDataSkinPanelControl : public TskKind<TskDataSkinPanelControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinPanelControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    int BGPictureIndex;
    TRect CaptionRect;
    TAlignment Alignment;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    TRect CheckImageRect;
    TRect UncheckImageRect;
    TRect MarkFrameRect;
    TRect FrameRect;
    TRect FrameTextRect;
    int FrameLeftOffset;
    int FrameRightOffset;
    TRect GripperRect;
    bool GripperTransparent;
    int GripperTransparentColor;
};

// The kind "expanel".
class TskDataSkinExPanelControl : public TskKind<TskDataSkinExPanelControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinExPanelControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect RollHSkinRect;
    TRect RollVSkinRect;
    int RollLeftOffset;
    int RollRightOffset;
    int RollTopOffset;
    int RollBottomOffset;
    TRect RollVCaptionRect;
    TRect RollHCaptionRect;
    TRect CloseButtonRect;
    TRect CloseButtonActiveRect;
    TRect CloseButtonDownRect;
    TRect HRollButtonRect;
    TRect HRollButtonActiveRect;
    TRect HRollButtonDownRect;
    TRect HRestoreButtonRect;
    TRect HRestoreButtonActiveRect;
    TRect HRestoreButtonDownRect;
    TRect VRollButtonRect;
    TRect VRollButtonActiveRect;
    TRect VRollButtonDownRect;
    TRect VRestoreButtonRect;
    TRect VRestoreButtonActiveRect;
    TRect VRestoreButtonDownRect;
    TRect CaptionRect;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    bool ButtonsTransparent;
    int ButtonsTransparentColor;
};

// The kind "button".
class TskDataSkinButtonControl : public TskKind<TskDataSkinButtonControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinButtonControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    int DisabledFontColor;
    int DownFontColor;
    bool Morphing;
    TskMorphKind MorphKind;
    TRect ActiveSkinRect;
    TRect DownSkinRect;
    TRect FocusedSkinRect;
    TRect DisabledSkinRect;
    TRect AnimateSkinRect;
    int FrameCount;
    int AnimateInterval;
    bool ShowFocus;
    TRect MenuMarkerFlatRect;
    TRect MenuMarkerRect;
    TRect MenuMarkerActiveRect;
    TRect MenuMarkerDownRect;
    int MenuMarkerTransparentColor;
    int GlowLayerPictureIndex;
    int GlowLayerMaskPictureIndex;
    int GlowLayerOffsetLeft;
    int GlowLayerOffsetTop;
    int GlowLayerOffsetRight;
    int GlowLayerOffsetBottom;
    int GlowLayerShowOffsetX;
    int GlowLayerShowOffsetY;
    int GlowLayerAlphaBlendValue;
};

// The kind "menubutton".
class TskDataSkinMenuButtonControl : public TskKind<TskDataSkinMenuButtonControl, TskDataSkinButtonControl> {
public:
    explicit TskDataSkinMenuButtonControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect TrackButtonRect;
};

// The kind "checkradio".
class TskDataSkinCheckRadioControl : public TskKind<TskDataSkinCheckRadioControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinCheckRadioControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    int UnenabledFontColor;
    int FrameFontColor;
    bool Morphing;
    TskMorphKind MorphKind;
    TRect ActiveSkinRect;
    TRect CheckImageArea;
    TRect TextArea;
    TRect CheckImageRect;
    TRect UncheckImageRect;
    TRect ActiveCheckImageRect;
    TRect ActiveUncheckImageRect;
    TRect UnenabledCheckImageRect;
    TRect UnenabledUncheckImageRect;
    TRect GrayedCheckImageRect;
    TRect ActiveGrayedCheckImageRect;
};

// The kind "gauge".
class TskDataSkinGaugeControl : public TskKind<TskDataSkinGaugeControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinGaugeControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect ProgressArea;
    TRect ProgressRect;
    int BeginOffset;
    int EndOffset;
    bool Vertical;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    bool ProgressTransparent;
    int ProgressTransparentColor;
    bool ProgressStretch;
    TRect AnimationSkinRect;
    int AnimationCountFrames;
    int AnimationTimerInterval;
    TRect ProgressAnimationSkinRect;
    int ProgressAnimationCountFrames;
    int ProgressAnimationTimerInterval;
    int AnimationBeginOffset;
    int AnimationEndOffset;
};

// The kind "splitter".
class TskDataSkinSplitterControl : public TskKind<TskDataSkinSplitterControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinSplitterControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect GripperRect;
    bool GripperTransparent;
    int GripperTransparentColor;
};

// The kind "trackbar".
class TskDataSkinTrackBarControl : public TskKind<TskDataSkinTrackBarControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinTrackBarControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect ActiveSkinRect;
    TRect TrackArea;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    bool Vertical;
    bool ButtonTransparent;
    int ButtonTransparentColor;
};

// The kind "label".
class TskDataSkinLabelControl : public TskKind<TskDataSkinLabelControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinLabelControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
};

// The kind "stdlabel".
class TskDataSkinStdLabelControl : public TskKind<TskDataSkinStdLabelControl, TskDataSkinControl> {
public:
    explicit TskDataSkinStdLabelControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
};

// The kind "bitlabel".
class TskDataSkinBitLabelControl : public TskKind<TskDataSkinBitLabelControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinBitLabelControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect SkinTextRect;
    int SymbolWidth;
    int SymbolHeight;
    TStringList Symbols;
};

// The kind "frameregulator".
class TskDataSkinFrameRegulator : public TskKind<TskDataSkinFrameRegulator, TskDataSkinFrameControl> {
public:
    explicit TskDataSkinFrameRegulator(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TskRegulatorKind Kind;
};

// The kind "framegauge".
class TskDataSkinFrameGauge : public TskDataSkinFrameControl {
public:
    using TskDataSkinFrameControl::TskDataSkinFrameControl;
};

// The kind "animate".
class TskDataSkinAnimateControl : public TskDataSkinFrameControl {
public:
    using TskDataSkinFrameControl::TskDataSkinFrameControl;
};

// The kind "updown".
class TskDataSkinUpDownControl : public TskKind<TskDataSkinUpDownControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinUpDownControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
};

// The kind "switch".
class TskDataSkinSwitchControl : public TskDataSkinFrameControl {
public:
    using TskDataSkinFrameControl::TskDataSkinFrameControl;
};

// The kind "grid".
class TskDataSkinGridControl : public TskKind<TskDataSkinGridControl, TskDataSkinControl> {
public:
    explicit TskDataSkinGridControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect FixedCellRect;
    TRect SelectCellRect;
    TRect FocusCellRect;
    int FixedCellLeftOffset;
    int FixedCellRightOffset;
    TRect FixedCellTextRect;
    int CellLeftOffset;
    int CellRightOffset;
    TRect CellTextRect;
    int LinesColor;
    int BGColor;
    int BGPictureIndex;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int SelectFontColor;
    int FocusFontColor;
    std::string FixedFontName;
    int FixedFontHeight;
    TFontStyles FixedFontStyle;
    int FixedFontColor;
    bool CellStretchEffect;
    bool FixedCellStretchEffect;
    bool ShowFocus;
};

// The kind "tab".
class TskDataSkinTabControl : public TskKind<TskDataSkinTabControl, TskDataSkinControl> {
public:
    explicit TskDataSkinTabControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect TabRect;
    TRect ActiveTabRect;
    TRect FocusTabRect;
    TRect MouseInTabRect;
    TRect ClRect;
    int BGPictureIndex;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    int TabLeftOffset;
    int TabRightOffset;
    TRect TabsBGRect;
    bool TabStretchEffect;
    bool LeftStretch;
    bool TopStretch;
    bool RightStretch;
    bool BottomStretch;
    bool StretchEffect;
    TskStretchType StretchType;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    int FocusFontColor;
    int MouseInFontColor;
    std::string UpDown;
    bool ShowFocus;
    int FocusOffsetX;
    int FocusOffsetY;
    TRect CloseButtonRect;
    TRect CloseButtonActiveRect;
    TRect CloseButtonDownRect;
    bool ButtonTransparent;
    int ButtonTransparentColor;
    TRect TabLeftBottomActiveRect;
    TRect TabLeftBottomFocusRect;
};

// The kind "mainmenubar".
class TskDataSkinMainMenuBar : public TskKind<TskDataSkinMainMenuBar, TskDataSkinControl> {
public:
    explicit TskDataSkinMainMenuBar(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect ItemsRect;
    std::string MenuBarItem;
    std::string CloseButton;
    std::string MinButton;
    std::string MaxButton;
    std::string SysMenuButton;
    int TrackMarkColor;
    int TrackMarkActiveColor;
    bool StretchEffect;
    bool ItemTransparent;
};

// The kind "controlbar".
class TskDataSkinControlBar : public TskKind<TskDataSkinControlBar, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinControlBar(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect ItemRect;
    int BGPictureIndex;
    TRect HGripRect;
    TRect VGripRect;
    int GripOffset1;
    int GripOffset2;
    bool ItemStretchEffect;
    int ItemOffset1;
    int ItemOffset2;
    bool ItemTransparent;
    int ItemTransparentColor;
    bool GripTransparent;
    int GripTransparentColor;
};

// The kind "edit".
class TskDataSkinEditControl : public TskKind<TskDataSkinEditControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinEditControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect ActiveSkinRect;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int DisabledFontColor;
    int ActiveFontColor;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnenabledButtonRect;
};

// The kind "memo".
class TskDataSkinMemoControl : public TskKind<TskDataSkinMemoControl, TskDataSkinEditControl> {
public:
    explicit TskDataSkinMemoControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    int BGColor;
    int ActiveBGColor;
};

// The kind "listbox".
class TskDataSkinListBox : public TskKind<TskDataSkinListBox, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinListBox(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect ItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset;
    int ItemRightOffset;
    TRect ItemTextRect;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    int FocusFontColor;
    TRect CaptionRect;
    std::string CaptionFontName;
    int CaptionFontHeight;
    TFontStyles CaptionFontStyle;
    int CaptionFontColor;
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
    TRect CheckButtonRect;
    TRect ActiveCheckButtonRect;
    TRect DownCheckButtonRect;
    std::string VScrollBarName;
    std::string HScrollBarName;
    std::string BothHScrollBarName;
    bool ShowFocus;
    TRect DisabledButtonsRect;
    TRect ButtonsArea;
};

// The kind "checklistbox".
class TskDataSkinCheckListBox : public TskKind<TskDataSkinCheckListBox, TskDataSkinListBox> {
public:
    explicit TskDataSkinCheckListBox(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect CheckImageRect;
    TRect ItemCheckRect;
    TRect UncheckImageRect;
};

// The kind "combobox".
class TskDataSkinComboBox : public TskKind<TskDataSkinComboBox, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinComboBox(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect ActiveSkinRect;
    TRect ItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset;
    int ItemRightOffset;
    TRect ItemTextRect;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int FocusFontColor;
    int ActiveFontColor;
    std::string ListBoxName;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnenabledButtonRect;
    bool ItemStretchEffect;
    bool FocusItemStretchEffect;
    bool ShowFocus;
};

// The kind "scrollbar".
class TskDataSkinScrollBarControl : public TskKind<TskDataSkinScrollBarControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinScrollBarControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect TrackArea;
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
    TRect ThumbRect;
    TRect ActiveThumbRect;
    TRect DownThumbRect;
    int ThumbOffset1;
    int ThumbOffset2;
    bool ThumbTransparent;
    int ThumbTransparentColor;
    bool ThumbStretchEffect;
    int ThumbMinSize;
    int ThumbMinPageSize;
    TRect GlyphRect;
    TRect ActiveGlyphRect;
    TRect DownGlyphRect;
    bool GlyphTransparent;
    int GlyphTransparentColor;
};

// The kind "spinedit".
class TskDataSkinSpinEditControl : public TskKind<TskDataSkinSpinEditControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinSpinEditControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    TRect ActiveSkinRect;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    int DisabledFontColor;
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
};

// The kind "scrollbox".
class TskDataSkinScrollBoxControl : public TskKind<TskDataSkinScrollBoxControl, TskDataSkinCustomControl> {
public:
    explicit TskDataSkinScrollBoxControl(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    int BGPictureIndex;
};

// The kind "treeview".
class TskDataSkinTreeView : public TskKind<TskDataSkinTreeView, TskDataSkinControl> {
public:
    explicit TskDataSkinTreeView(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int BGColor;
    TRect ExpandImageRect;
    TRect NoExpandImageRect;
};

// The kind "listview".
class TskDataSkinListView : public TskKind<TskDataSkinListView, TskDataSkinControl> {
public:
    explicit TskDataSkinListView(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int BGColor;
};

// The kind "richedit".
class TskDataSkinRichEdit : public TskKind<TskDataSkinRichEdit, TskDataSkinControl> {
public:
    explicit TskDataSkinRichEdit(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int BGColor;
};

// A new description of the kind word (null for a word that names no kind).
std::unique_ptr<TskDataSkinControl> CreateSkinControlData(const std::string& Kind, const std::string& Name);
