// TskSkinData: one loaded skin. It holds the skin's pictures, the named control descriptions skinned
// controls look up, the skin objects, areas and window-frame values of a skinned window, the popup,
// hint and layered-frame descriptions and ten colours. Setting a packed skin (a stored skin, or an
// entry of a skin list) loads it at once; around a load the forms of the application are told by
// window messages. Loading fails quietly: a damaged skin leaves the data Empty and the controls draw
// their plain looks.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Graphics.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SkinStream.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TCustomIniFile;
class TskCompressedSkinList;
class TskCompressedStoredSkin;

// The broadcast of a skin data component (wParam: the skin data; lParam: 1000).
constexpr UINT SKINMSG_BEFORECHANGE = 0x0400 + 201;
constexpr UINT SKINMSG_CHANGE = 0x0400 + 202;
constexpr UINT SKINMSG_AFTERCHANGE = 0x0400 + 203;
constexpr UINT SKINMSG_RESOURCESTRDATA = 0x0400 + 250;
constexpr UINT SKINMSG_SKINNABLEFORM = 0x0400 + 270;
constexpr UINT SKINMSG_LAYEREDBORDERS = 0x0400 + 403;
constexpr UINT SKINMSG_AEROBLUR = 0x0400 + 404;

// The ten colours of "SKINCOLORS".
class TskSkinColors : public TObject {
public:
    // The system colours the colours are reset to, in key order.
    static const std::array<TColor, 10> SystemColors;

    // Sets each colour to its system colour.
    void Reset();
    // Reads each key; a missing key keeps the colour as it is (reset before every load).
    void LoadFromIni(TCustomIniFile* Ini);

    TColor cBtnFace = 0, cBtnText = 0, cWindow = 0, cWindowText = 0, cHighLight = 0, cHighLightText = 0,
           cBtnHighLight = 0, cBtnShadow = 0, c3DLight = 0, c3DDkShadow = 0;

private:
    std::array<TColor*, 10> Fields();
};

// A named area of a skinned window: a rectangle and five flags, in the order of the text.
class TskDataSkinArea : public TObject {
public:
    std::string Name;
    TRect AreaRect;
    std::array<bool, 5> Flags{};
};

// The texts of skinned menus and dialogs ("KEY=text" lines) and the character set of skinned fonts.
class TskResourceStrData : public TComponent {
public:
    explicit TskResourceStrData(TComponent* AOwner);
    TStringList* ResStrings() { return &FResStrings; }
    // Copies the lines.
    void SetResStrings(TStrings* Value) { FResStrings.Assign(Value); }
    TFontCharset CharSet() const { return FCharSet; }
    void SetCharSet(TFontCharset Value) { FCharSet = Value; }

private:
    TStringList FResStrings;
    TFontCharset FCharSet = 1;
};

class TskSkinData : public TComponent {
public:
    explicit TskSkinData(TComponent* AOwner);
    ~TskSkinData() override;

    // ---- Settings
    bool DlgTreeViewDrawSkin() const { return FDlgTreeViewDrawSkin; }
    void SetDlgTreeViewDrawSkin(bool Value) { FDlgTreeViewDrawSkin = Value; }
    const std::string& DlgTreeViewItemSkinDataName() const { return FDlgTreeViewItemSkinDataName; }
    void SetDlgTreeViewItemSkinDataName(const std::string& Value) { FDlgTreeViewItemSkinDataName = Value; }
    bool DlgListViewDrawSkin() const { return FDlgListViewDrawSkin; }
    void SetDlgListViewDrawSkin(bool Value) { FDlgListViewDrawSkin = Value; }
    const std::string& DlgListViewItemSkinDataName() const { return FDlgListViewItemSkinDataName; }
    void SetDlgListViewItemSkinDataName(const std::string& Value) { FDlgListViewItemSkinDataName = Value; }
    bool AnimationForAllWindows() const { return FAnimationForAllWindows; }
    void SetAnimationForAllWindows(bool Value) { FAnimationForAllWindows = Value; }
    bool ShowLayeredBorders() const { return FShowLayeredBorders; }
    // A change is broadcast (SKINMSG_LAYEREDBORDERS) unless designing or loading.
    void SetShowLayeredBorders(bool Value);
    bool SkinnableForm() const { return FSkinnableForm; }
    void SetSkinnableForm(bool Value);
    bool EnableSkinEffects() const { return FEnableSkinEffects; }
    void SetEnableSkinEffects(bool Value) { FEnableSkinEffects = Value; }
    bool AeroBlurEnabled() const { return FAeroBlurEnabled; }
    void SetAeroBlurEnabled(bool Value);
    bool ShowButtonGlowFrames() const { return FShowButtonGlowFrames; }
    void SetShowButtonGlowFrames(bool Value) { FShowButtonGlowFrames = Value; }
    bool ShowCaptionButtonGlowFrames() const { return FShowCaptionButtonGlowFrames; }
    void SetShowCaptionButtonGlowFrames(bool Value) { FShowCaptionButtonGlowFrames = Value; }

    // ---- Where the skin comes from
    TskCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
    // Stores the reference and (unless designing) loads the skin at once.
    void SetCompressedStoredSkin(TskCompressedStoredSkin* Value);
    TskResourceStrData* ResourceStrData() const { return FResourceStrData; }
    // Stores the reference and (unless designing) broadcasts SKINMSG_RESOURCESTRDATA.
    void SetResourceStrData(TskResourceStrData* Value);
    TskCompressedSkinList* SkinList() const { return FSkinList; }
    // Stores the reference and (unless designing) loads entry SkinIndex when it exists.
    void SetSkinList(TskCompressedSkinList* Value);
    int SkinIndex() const { return FSkinIndex; }
    // With a list, an index outside it is ignored and a valid one loads that entry.
    void SetSkinIndex(int Value);
    // Called after each successful load.
    TNotifyEvent OnLoadData;

    // ---- The loaded skin
    // True until a load completes, and again from the start of every load and after ClearSkin.
    bool Empty() const { return FEmpty; }
    TskSkinColors* Colors() { return &FColors; }
    TBitmap* Picture() { return &FPictures.Picture; }
    TBitmap* InactivePicture() { return &FPictures.InactivePicture; }
    TBitmap* Mask() { return &FPictures.Mask; }
    TBitmap* RollUpPicture() { return &FPictures.RollUpPicture; }
    TBitmap* RollUpMask() { return &FPictures.RollUpMask; }
    // The active picture of a description's picture index; null for -1 and indexes past the list.
    TBitmap* ActivePicture(int Index) const { return FPictures.ActivePicture(Index); }
    int ActivePictureCount() const { return FPictures.ActivePictureCount(); }
    TStringList* ActivePictureNames() { return &FActivePictureNames; }
    const std::vector<std::unique_ptr<TskDataSkinControl>>& CtrlList() const { return FCtrlList; }
    const std::vector<std::unique_ptr<TskDataSkinObject>>& ObjectList() const { return FObjectList; }
    const std::vector<std::unique_ptr<TskDataSkinArea>>& AreaList() const { return FAreaList; }
    TskDataSkinPopupWindow* PopupWindow() { return &FPopupWindow; }
    TskDataSkinLayerFrame* LayerFrame() { return &FLayerFrame; }
    TskDataSkinHintWindow* HintWindow() { return &FHintWindow; }
    int StartCursorIndex() const { return 1; }

    // From "VERSION" and "PICTURES".
    std::string SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;
    std::string PictureName, MaskName, RollUpPictureName, RollUpMaskName;

    // The window frame, from "FORMINFO".
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    int BGPictureIndex;
    int MDIBGPictureIndex;
    bool LeftStretch;
    bool RightStretch;
    bool TopStretch;
    bool BottomStretch;
    bool StretchEffect;
    TskStretchType StretchType;
    bool MDIBGStretchEffect;
    TskStretchType MDIBGStretchType;
    TRect ButtonsRect;
    TRect CaptionRect;
    int ButtonsOffset;
    bool ButtonsInLeft;
    TRect MaskRectArea;
    TPoint HitTestLTPoint;
    TPoint HitTestRTPoint;
    TPoint HitTestLBPoint;
    TPoint HitTestRBPoint;
    TPoint RollUpLeftPoint;
    TPoint RollUpRightPoint;
    TRect MainMenuRect;
    TRect IconRect;
    bool MainMenuPopupUp;
    int BorderWidth;
    int FormMinWidth;
    int FormMinHeight;
    bool MDITabsTransparent;
    bool MainMenuBarTransparent;
    int CursorIndex;
    bool AutoRenderingInactiveImage;
    TskImageEffect InactiveEffect;
    TRect SizeGripArea;
    std::string StatusBarName;

    // The index of the first description named exactly Name (with case); -1 when there is none.
    int GetControlIndex(const std::string& Name) const;
    // Loads a packed skin (nothing for an empty one). A skin that cannot be read leaves the data
    // cleared and Empty, and only SKINMSG_BEFORECHANGE has been sent.
    void LoadCompressedStoredSkin(TskCompressedStoredSkin* Skin);
    // Clears the lists and the pictures; Empty.
    void ClearSkin();
    // Frees the descriptions, objects, areas and active pictures, resets the window descriptions'
    // pictures and the colours.
    void ClearSkinLists();

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void LoadSkinText(TCustomIniFile* Ini);
    void LoadFormInfo(TCustomIniFile* Ini);
    void VisitFormInfoKeys(TskKeyVisitor& V);
    void LoadAreas(TCustomIniFile* Ini);
    void LoadObjects(TCustomIniFile* Ini);
    void LoadControls(TCustomIniFile* Ini);
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    // Sends Msg to the forms of the screen in the order the layered borders ask for.
    void BroadcastSkinMessage(UINT Msg);

    bool FDlgTreeViewDrawSkin = true;
    std::string FDlgTreeViewItemSkinDataName = "listbox";
    bool FDlgListViewDrawSkin = true;
    std::string FDlgListViewItemSkinDataName = "listbox";
    bool FAnimationForAllWindows = false;
    bool FShowLayeredBorders = true;
    bool FSkinnableForm = true;
    bool FEnableSkinEffects = true;
    bool FAeroBlurEnabled = true;
    bool FShowButtonGlowFrames = true;
    bool FShowCaptionButtonGlowFrames = true;
    TskCompressedStoredSkin* FCompressedStoredSkin = nullptr;
    TskResourceStrData* FResourceStrData = nullptr;
    TskCompressedSkinList* FSkinList = nullptr;
    int FSkinIndex = 0;

    bool FEmpty = true;
    TskSkinColors FColors;
    TskSkinPictureSet FPictures;
    TStringList FActivePictureNames;
    std::vector<std::unique_ptr<TskDataSkinControl>> FCtrlList;
    std::vector<std::unique_ptr<TskDataSkinObject>> FObjectList;
    std::vector<std::unique_ptr<TskDataSkinArea>> FAreaList;
    TskDataSkinPopupWindow FPopupWindow;
    TskDataSkinLayerFrame FLayerFrame;
    TskDataSkinHintWindow FHintWindow;
};
