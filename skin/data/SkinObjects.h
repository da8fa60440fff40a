// Skin objects (the parts of a skinned window: caption, caption buttons and tabs, menu items, labels,
// gauges, track bars, animations, switches, user objects) and the three window descriptions (popup
// menu window, hint window, layered window frame). The skin text lists the objects in "SKINOBJECTS" as
// "name:kind"; the window descriptions have fixed sections. Every object class lists its keys once
// (VisitKeys, its base's first): that list sets the defaults, reads the section and writes it.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/StringList.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinKeys.h"
#include "skin/draw/SkinBitmap.h"

#include <initializer_list>
#include <memory>
#include <string>

class TCustomIniFile;
class TskSkinData;

// The command of a window button or animation.
enum TskStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };
// Whether a gauge object fills across or up.
enum TskGaugeKind { gkHorizontal, gkVertical };
extern const TskEnumWords CommandWords;
extern const TskEnumWords GaugeKindWords;

class TskDataSkinObject : public TskKind<TskDataSkinObject, TskSkinSection> {
public:
    explicit TskDataSkinObject(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    // Prepares the object's alpha images from the skin's pictures once it is loaded (nothing here).
    virtual void InitAlphaImages(TskSkinData* Data) {}
    void OwnKeys(TskKeyVisitor& V);

    std::string Hint;
    bool RollUp;
    int ActivePictureIndex;
    int ActiveMaskPictureIndex;
    bool SkinRectInAPicture;
    int CursorIndex;
    TRect SkinRect;
    TRect ActiveSkinRect;
    TRect InactiveSkinRect;
    bool Morphing;
    TskMorphKind MorphKind;
    int GlowLayerPictureIndex;
    int GlowLayerMaskPictureIndex;
    int GlowLayerOffsetX;
    int GlowLayerOffsetY;
    int GlowLayerAlphaBlendValue;

protected:
    // A 32-bit image of Rect of this object's active picture, its alpha from the mask picture's
    // luminance (colours premultiplied), or opaque without a mask picture. Null for an empty rectangle
    // or without an active picture. Pixels a small mask does not cover stay opaque.
    std::unique_ptr<TskBitmap> CutAlphaImage(TskSkinData* Data, const TRect& Rect, int MaskIndex) const;
    // A look of an object: the image it gets, cut from a rectangle with a mask picture.
    struct TskLook {
        std::unique_ptr<TskBitmap>* Image;
        TRect Rect;
        int MaskIndex;
    };
    // Cuts each look's image, or frees them all when not Wanted.
    void CutLooks(TskSkinData* Data, bool Wanted, std::initializer_list<TskLook> Looks) const;
};

// The kind "menuitem".
class TskDataSkinMenuItem : public TskKind<TskDataSkinMenuItem, TskDataSkinObject> {
public:
    explicit TskDataSkinMenuItem(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    // An empty active check, radio or arrow rectangle takes the plain one's value.
    void LoadFromIni(TCustomIniFile* Ini) override;
    void OwnKeys(TskKeyVisitor& V);

    int ItemLeftOffset;
    int ItemRightOffset;
    TRect DividerRect;
    int DividerLeftOffset;
    int DividerRightOffset;
    TRect TextRect;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    int UnenabledFontColor;
    bool StretchEffect;
    bool InactiveStretchEffect;
    bool DividerStretchEffect;
    TRect AnimateSkinRect;
    int FrameCount;
    int AnimateInterval;
    bool InactiveAnimation;
    bool UseImageColor;
    int ImageColor;
    int ActiveImageColor;
    bool InactiveTransparent;
    TRect CheckImageRect;
    TRect ActiveCheckImageRect;
    TRect RadioImageRect;
    TRect ActiveRadioImageRect;
    TRect ArrowImageRect;
    TRect ActiveArrowImageRect;
};

// The kind "mainmenubaritem".
class TskDataSkinMainMenuBarItem : public TskDataSkinMenuItem {
public:
    using TskDataSkinMenuItem::TskDataSkinMenuItem;
};

// The kind "mainmenuitem".
class TskDataSkinMainMenuItem : public TskKind<TskDataSkinMainMenuItem, TskDataSkinObject> {
public:
    explicit TskDataSkinMainMenuItem(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    int ItemLeftOffset;
    int ItemRightOffset;
    TRect DownRect;
    TRect TextRect;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    int DownFontColor;
    int UnenabledFontColor;
    bool StretchEffect;
    TRect AnimateSkinRect;
    int FrameCount;
    int AnimateInterval;
    bool InactiveAnimation;
};

// The kind "button".
class TskDataSkinButton : public TskKind<TskDataSkinButton, TskDataSkinObject> {
public:
    explicit TskDataSkinButton(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    // With a layer frame that has a picture and a full border: the normal, active, down and inactive
    // looks cut with their alpha masks; otherwise none.
    void InitAlphaImages(TskSkinData* Data) override;
    void OwnKeys(TskKeyVisitor& V);

    TRect DownRect;
    TRect DisableSkinRsect;
    int GroupIndex;
    int AlphaMaskPictureIndex;
    int AlphaMaskActivePictureIndex;
    int AlphaMaskInactivePictureIndex;

    // The alpha images of the four looks (32 bits, premultiplied), when cut.
    std::unique_ptr<TskBitmap> AlphaNormalImage, AlphaActiveImage, AlphaDownImage, AlphaInactiveImage;

protected:
    // The normal, active, down and inactive looks.
    void CutButtonLooks(TskSkinData* Data, bool Wanted);
};

// The kind "captionmenubutton".
class TskDataSkinCaptionMenuButton : public TskKind<TskDataSkinCaptionMenuButton, TskDataSkinButton> {
public:
    explicit TskDataSkinCaptionMenuButton(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    // Always the button's four images.
    void InitAlphaImages(TskSkinData* Data) override;
    void OwnKeys(TskKeyVisitor& V);

    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    int DownFontColor;
    int InactiveFontColor;
    int LeftOffset;
    int RightOffset;
    int TopPosition;
    TRect ClRect;
};

// The kind "captiontab".
class TskDataSkinCaptionTab : public TskKind<TskDataSkinCaptionTab, TskDataSkinButton> {
public:
    explicit TskDataSkinCaptionTab(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    // Always: normal, active and down, each with its own alpha mask.
    void InitAlphaImages(TskSkinData* Data) override;
    void OwnKeys(TskKeyVisitor& V);

    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    int DownFontColor;
    int LeftOffset;
    int RightOffset;
    int TopPosition;
    TRect ClRect;
};

// The kind "stdbutton".
class TskDataSkinStdButton : public TskKind<TskDataSkinStdButton, TskDataSkinButton> {
public:
    explicit TskDataSkinStdButton(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    // An empty restore hint follows the restore-hint rule.
    void LoadFromIni(TCustomIniFile* Ini) override;
    // The button's four images, then the four restore looks, under the same condition.
    void InitAlphaImages(TskSkinData* Data) override;
    void OwnKeys(TskKeyVisitor& V);

    TskStdCommand Command;
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;
    TRect RestoreInactiveRect;
    std::string RestoreHint;

    // The alpha images of the four restore looks, when cut.
    std::unique_ptr<TskBitmap> AlphaRestoreImage, AlphaRestoreActiveImage, AlphaRestoreDownImage,
        AlphaRestoreInactiveImage;
};

// The kind "mainmenubarbutton".
class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {
public:
    using TskDataSkinStdButton::TskDataSkinStdButton;
};

// The kind "caption".
class TskDataSkinCaption : public TskKind<TskDataSkinCaption, TskDataSkinObject> {
public:
    explicit TskDataSkinCaption(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    bool DefaultCaption;
    TRect TextRect;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    TAlignment Alignment;
    bool Shadow;
    int ShadowColor;
    bool Light;
    int LightColor;
    int ActiveLightColor;
    int ActiveShadowColor;
    TRect FrameRect;
    TRect ActiveFrameRect;
    TRect FrameTextRect;
    int FrameLeftOffset;
    int FrameRightOffset;
    bool StretchEffect;
    TRect AnimateSkinRect;
    int FrameCount;
    int AnimateInterval;
    bool InactiveAnimation;
    bool FullFrame;
    bool VistaGlowEffect;
    bool VistaGlowInactiveEffect;
    bool GlowEffect;
    bool GlowInactiveEffect;
    int GlowSize;
    int GlowColor;
    int GlowActiveColor;
    int GlowOffset;
    bool ReflectionEffect;
    int ReflactionColor;
    int ReflactionActiveColor;
    int ReflectionOffset;
    TRect DividerRect;
    TRect InactiveDividerRect;
    bool DividerTransparent;
    int DividerTransparentColor;
    int QuickButtonAlphaMaskPictureIndex;
};

// The kind "trackbar".
class TskDataSkinTrackBar : public TskKind<TskDataSkinTrackBar, TskDataSkinObject> {
public:
    explicit TskDataSkinTrackBar(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    // Track-bar objects never morph.
    void LoadFromIni(TCustomIniFile* Ini) override;
    void OwnKeys(TskKeyVisitor& V);

    TRect ButtonRect;
    TRect ActiveButtonRect;
    TPoint BeginPoint;
    TPoint EndPoint;
    int MinValue;
    int MaxValue;
    bool MouseDownChangeValue;
    bool ButtonTransparent;
    int ButtonTransparentColor;
};

// The kind "gauge".
class TskDataSkinGauge : public TskKind<TskDataSkinGauge, TskDataSkinObject> {
public:
    explicit TskDataSkinGauge(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    int MinValue;
    int MaxValue;
    TskGaugeKind Kind;
};

// The kind "framegauge".
class TskDataSkinFrameGaugeObject : public TskKind<TskDataSkinFrameGaugeObject, TskDataSkinObject> {
public:
    explicit TskDataSkinFrameGaugeObject(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    int MinValue;
    int MaxValue;
    int CountFrames;
    TskFramesPlacement FramesPlacement;
};

// The kind "frameregulator".
class TskDataSkinFrameRegulatorObject : public TskKind<TskDataSkinFrameRegulatorObject, TskDataSkinObject> {
public:
    explicit TskDataSkinFrameRegulatorObject(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    int MinValue;
    int MaxValue;
    int CountFrames;
    TskFramesPlacement FramesPlacement;
    TskRegulatorKind Kind;
};

// The kind "label".
class TskDataSkinLabel : public TskKind<TskDataSkinLabel, TskDataSkinObject> {
public:
    explicit TskDataSkinLabel(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    int ActiveFontColor;
    TAlignment Alignment;
    std::string TextValue;
};

// The kind "bitlabel".
class TskDataSkinBitLabel : public TskKind<TskDataSkinBitLabel, TskDataSkinObject> {
public:
    explicit TskDataSkinBitLabel(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    void OwnKeys(TskKeyVisitor& V);

    std::string TextValue;
    int SymbolWidth;
    int SymbolHeight;
    TStringList Symbols;
    bool Transparent;
    int TransparentColor;
};

// The kind "switch".
class TskDataSkinSwitch : public TskDataSkinObject {
public:
    using TskDataSkinObject::TskDataSkinObject;
};

// The kind "animate".
class TskDataSkinAnimate : public TskKind<TskDataSkinAnimate, TskDataSkinObject> {
public:
    explicit TskDataSkinAnimate(const std::string& AName) : TskKind(AName) { ResetOwnKeys(); }
    // Animations never morph; an empty restore hint follows the restore-hint rule.
    void LoadFromIni(TCustomIniFile* Ini) override;
    void OwnKeys(TskKeyVisitor& V);

    int CountFrames;
    bool Cycle;
    bool ButtonStyle;
    int TimerInterval;
    TskStdCommand Command;
    TRect DownSkinRect;
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;
    TRect RestoreInactiveRect;
    std::string RestoreHint;
};

// The kind "userobject": only "rollup", "skinrect" and "cursorindex" are read and written.
class TskDataUserObject : public TskDataSkinObject {
public:
    explicit TskDataUserObject(const std::string& AName) : TskDataSkinObject(AName) {}
    void VisitKeys(TskKeyVisitor& V) override;
};

// A new object of the kind word (null for a word that names no kind).
std::unique_ptr<TskDataSkinObject> CreateSkinObjectData(const std::string& Kind, const std::string& Name);

// The popup (menu) window, section "POPUPWINDOW".
class TskDataSkinPopupWindow : public TObject {
public:
    TskDataSkinPopupWindow();
    void LoadPopupWindow(TCustomIniFile* Ini);
    void VisitKeys(TskKeyVisitor& V);

    int WindowPictureIndex;
    int MaskPictureIndex;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    int CursorIndex;
    TRect ItemsRect;
    int ScrollMarkerColor;
    int ScrollMarkerActiveColor;
    bool LeftStretch;
    bool RightStretch;
    bool TopStretch;
    bool BottomStretch;
    bool StretchEffect;
    TskStretchType StretchType;
};

// The hint window, section "HINTWINDOW".
class TskDataSkinHintWindow : public TObject {
public:
    TskDataSkinHintWindow();
    void LoadHintWindow(TCustomIniFile* Ini);
    void VisitKeys(TskKeyVisitor& V);

    int WindowPictureIndex;
    int MaskPictureIndex;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    std::string FontName;
    int FontHeight;
    TFontStyles FontStyle;
    int FontColor;
    bool LeftStretch;
    bool RightStretch;
    bool TopStretch;
    bool BottomStretch;
    bool StretchEffect;
    TskStretchType StretchType;
};

// The layered window frame, section "LAYERFRAME", with its two frame images once built.
class TskDataSkinLayerFrame : public TObject {
public:
    TskDataSkinLayerFrame();
    void LoadLayerFrame(TCustomIniFile* Ini);
    void VisitKeys(TskKeyVisitor& V);
    // The active and inactive frame images: each picture with its alpha from its mask picture's
    // luminance, when both indexes name active pictures; none otherwise.
    void BuildLayerImages(TskSkinData* Data);

    int PictureIndex;
    int MaskPictureIndex;
    int InactivePictureIndex;
    int InactiveMaskPictureIndex;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    int AlphaBlendValue;
    int InactiveAlphaBlendValue;
    TRect BorderRect;
    bool HitTestEnable;
    bool FullBorder;
    int HitTestSize;
    TRect CaptionRect;
    TPoint HitTestLTPoint;
    TPoint HitTestRTPoint;
    TPoint HitTestLBPoint;
    TPoint HitTestRBPoint;
    TRect ButtonsRect;
    TRect SysMenuButtonRect;
    bool FullStretch;
    int RollUpFormHeight;
    int ButtonsTopOffset;
    int SysButtonTopOffset;
    int BlurMaskPictureIndex;
    TRect IntersectBlurMaskRect;
    TRect ExcludeBlurMaskRect;
    int LeftOffset;
    int TopOffset;
    int WidthOffset;
    int HeightOffset;

    std::unique_ptr<TskBitmap> ActiveImage;
    std::unique_ptr<TskBitmap> InactiveImage;
};
