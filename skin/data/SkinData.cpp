#include "skin/data/SkinData.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/WinUser.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/CompressedSkinList.h"
#include "skin/draw/SkinGeometry.h"

#include <algorithm>
#include <exception>

namespace {

// The texts of skinned menus and dialogs, in their order.
const char* const DefaultResourceStrings[] = {"MI_MINCAPTION=Mi&nimize",
                                              "MI_MAXCAPTION=Ma&ximize",
                                              "MI_CLOSECAPTION=&Close",
                                              "MI_RESTORECAPTION=&Restore",
                                              "MI_MINTOTRAYCAPTION=Minimize to &Tray",
                                              "MI_ROLLUPCAPTION=Ro&llUp",
                                              "MINBUTTON_HINT=Minimize",
                                              "MAXBUTTON_HINT=Maximize",
                                              "CLOSEBUTTON_HINT=Close",
                                              "TRAYBUTTON_HINT=Minimize to Tray",
                                              "ROLLUPBUTTON_HINT=Roll Up",
                                              "MENUBUTTON_HINT=System menu",
                                              "RESTORE_HINT=Restore",
                                              "EDIT_UNDO=Undo",
                                              "EDIT_COPY=Copy",
                                              "EDIT_CUT=Cut",
                                              "EDIT_PASTE=Paste",
                                              "EDIT_DELETE=Delete",
                                              "EDIT_SELECTALL=Select All",
                                              "MSG_BTN_YES=&Yes",
                                              "MSG_BTN_NO=&No",
                                              "MSG_BTN_OK=OK",
                                              "MSG_BTN_CANCEL=Cancel",
                                              "MSG_BTN_ABORT=&Abort",
                                              "MSG_BTN_RETRY=&Retry",
                                              "MSG_BTN_IGNORE=&Ignore",
                                              "MSG_BTN_ALL=&All",
                                              "MSG_BTN_NOTOALL=N&oToAll",
                                              "MSG_BTN_YESTOALL=&YesToAll",
                                              "MSG_BTN_HELP=&Help",
                                              "MSG_BTN_OPEN=&Open",
                                              "MSG_BTN_SAVE=&Save",
                                              "MSG_BTN_CLOSE=&Close",
                                              "MSG_BTN_BACK_HINT=Go To Last Folder Visited",
                                              "MSG_BTN_UP_HINT=Up One Level",
                                              "MSG_BTN_NEWFOLDER_HINT=Create New Folder",
                                              "MSG_BTN_VIEWMENU_HINT=View Menu",
                                              "MSG_BTN_STRETCH_HINT=Stretch",
                                              "MSG_FILENAME=File name:",
                                              "MSG_FILETYPE=File type:",
                                              "MSG_NEWFOLDER=New Folder",
                                              "MSG_LV_DETAILS=Details",
                                              "MSG_LV_ICON=Large icons",
                                              "MSG_LV_SMALLICON=Small icons",
                                              "MSG_LV_LIST=List",
                                              "MSG_PREVIEWSKIN=Preview skin",
                                              "MSG_PREVIEWBUTTON=Preview",
                                              "MSG_OVERWRITE=Do you want to overwrite old file?",
                                              "MSG_CAP_WARNING=Warning",
                                              "MSG_CAP_ERROR=Error",
                                              "MSG_CAP_INFORMATION=Information",
                                              "MSG_CAP_CONFIRM=Confirm",
                                              "MSG_CAP_SHOWFLAG=Do not display this message again",
                                              "CALC_CAP=Calculator",
                                              "ERROR=Error",
                                              "COLORGRID_CAP=Basic colors",
                                              "CUSTOMCOLORGRID_CAP=Custom colors",
                                              "ADDCUSTOMCOLORBUTTON_CAP=Add to Custom Colors",
                                              "FONTDLG_COLOR=Color:",
                                              "FONTDLG_NAME=Name:",
                                              "FONTDLG_SIZE=Size:",
                                              "FONTDLG_HEIGHT=Height:",
                                              "FONTDLG_EXAMPLE=Example",
                                              "FONTDLG_STYLE=Style",
                                              "FONTDLG_SCRIPT=Script:",
                                              "DB_DELETE_QUESTION=Delete record?",
                                              "DB_MULTIPLEDELETE_QUESTION=Delete all selected records?",
                                              "NODISKINDRIVE=There is no disk in Drive or Drive is not ready",
                                              "NOVALIDDRIVEID=Not a valid Drive ID",
                                              "FLV_NAME=Name",
                                              "FLV_SIZE=Size",
                                              "FLV_TYPE=Type",
                                              "FLV_LOOKIN=Look in: ",
                                              "FLV_MODIFIED=Modified",
                                              "FLV_ATTRIBUTES=Attributes",
                                              "FLV_DISKSIZE=Disk Size",
                                              "FLV_FREESPACE=Free Space",
                                              "PRNDLG_NAME=Name:",
                                              "PRNDLG_PRINTER=Printer",
                                              "PRNDLG_PROPERTIES=Properties...",
                                              "PRNDLG_TYPE=Type:",
                                              "PRNDLG_STATUS=Status:",
                                              "PRNDLG_WHERE=Where:",
                                              "PRNDLG_COMMENT=Comment:",
                                              "PRNDLG_PRINTRANGE=Print range",
                                              "PRNDLG_COPIES=Copies",
                                              "PRNDLG_NUMCOPIES=Number of copies:",
                                              "PRNDLG_COLLATE=Collate",
                                              "PRNDLG_ALL=All",
                                              "PRNDLG_PAGES=Pages",
                                              "PRNDLG_SELECTION=Selection",
                                              "PRNDLG_PRINTTOFILE=Print to file",
                                              "PRNDLG_FROM=from:",
                                              "PRNDLG_TO=to:",
                                              "PRNDLG_ORIENTATION=Orientation",
                                              "PRNDLG_PAPER=Paper",
                                              "PRNDLG_PORTRAIT=Portrait",
                                              "PRNDLG_LANDSCAPE=Landscape",
                                              "PRNDLG_SOURCE=Source:",
                                              "PRNDLG_SIZE=Size:",
                                              "PRNDLG_MARGINS=Margins (millimeters)",
                                              "PRNDLG_MARGINS_INCHES=Margins (inches)",
                                              "PRNDLG_LEFT=Left:",
                                              "PRNDLG_RIGHT=Right:",
                                              "PRNDLG_TOP=Top:",
                                              "PRNDLG_BOTTOM=Bottom:",
                                              "PRNDLG_WARNING=There are no printers in your system!",
                                              "FIND_NEXT=Find next",
                                              "FIND_WHAT=Find what:",
                                              "FIND_DIRECTION=Direction",
                                              "FIND_DIRECTIONUP=Up",
                                              "FIND_DIRECTIONDOWN=Down",
                                              "FIND_MATCH_CASE=Match case",
                                              "FIND_MATCH_WHOLE_WORD_ONLY=Match whole word only",
                                              "FIND_REPLACE_WITH=Replace with:",
                                              "FIND_REPLACE=Replace",
                                              "FIND_REPLACE_All=Replace All",
                                              "FIND_REPLACE_CLOSE=Close",
                                              "MORECOLORS=More colors...",
                                              "AUTOCOLOR=Automatic",
                                              "CUSTOMCOLOR=Custom...",
                                              "DBNAV_FIRST=FIRST",
                                              "DBNAV_PRIOR=PRIOR",
                                              "DBNAV_NEXT=NEXT",
                                              "DBNAV_LAST=LAST",
                                              "DBNAV_INSERT=INSERT",
                                              "DBNAV_DELETE=DELETE",
                                              "DBNAV_EDIT=EDIT",
                                              "DBNAV_POST=POST",
                                              "DBNAV_CANCEL=CANCEL",
                                              "DBNAV_REFRESH=REFRESH"};

const char* const ColorKeys[] = {"cbtnface",   "cbtntext",       "cwindow",       "cwindowtext",
                                 "chighlight", "chighlighttext", "cbtnhighlight", "cbtnshadow",
                                 "c3dlight",   "c3ddkshadow"};

// Reads the "name:kind" entries of a list section: each entry of a known kind becomes a description of
// that class, appended to List and loaded from its own section; others are skipped.
template <class T, class Loaded>
void LoadEntries(TCustomIniFile* Ini, const char* Section,
                 std::unique_ptr<T> (*Create)(const std::string&, const std::string&),
                 std::vector<std::unique_ptr<T>>& List, Loaded AfterLoad) {
    const int count = ReadStoredCount(Ini, Section, "count");
    for (int i = 0; i < count; ++i) {
        const std::string entry = Ini->ReadString(Section, std::to_string(i), "");
        const std::size_t colon = entry.find(':');
        if (colon == std::string::npos) continue;
        std::unique_ptr<T> item = Create(entry.substr(colon + 1), entry.substr(0, colon));
        if (!item) continue;
        T* added = item.get();
        List.push_back(std::move(item));
        added->LoadFromIni(Ini);
        AfterLoad(added);
    }
}

// A point with a zero coordinate takes the value of its counterpart.
void FillZeroPoint(TPoint& Point, const TPoint& From) {
    if (PointHasZeroCoordinate(Point)) Point = From;
}

} // namespace

// ---- Colours

const std::array<TColor, 10> TskSkinColors::SystemColors = {
    clBtnFace,       clBtnText,      clWindow,    clWindowText, clHighlight,
    clHighlightText, clBtnHighlight, clBtnShadow, cl3DLight,    cl3DDkShadow};

std::array<TColor*, 10> TskSkinColors::Fields() {
    return {&cBtnFace,       &cBtnText,      &cWindow,    &cWindowText, &cHighLight,
            &cHighLightText, &cBtnHighLight, &cBtnShadow, &c3DLight,    &c3DDkShadow};
}

void TskSkinColors::Reset() {
    const auto fields = Fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i] = SystemColors[i];
}

void TskSkinColors::LoadFromIni(TCustomIniFile* Ini) {
    // A missing key keeps the colour just reset: reading it as 0 would turn it black.
    const auto fields = Fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i] = Ini->ReadInteger("SKINCOLORS", ColorKeys[i], *fields[i]);
}

// ---- Resource strings

TskResourceStrData::TskResourceStrData(TComponent* AOwner) : TComponent(AOwner) {
    for (const char* line : DefaultResourceStrings)
        FResStrings.Add(line);
}

// ---- Skin data

TskSkinData::TskSkinData(TComponent* AOwner) : TComponent(AOwner) {
    TskKeyDefaults defaults;
    VisitFormInfoKeys(defaults);
}

TskSkinData::~TskSkinData() {
    FEmpty = true;
    ClearSkinLists();
}

void TskSkinData::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FCompressedStoredSkin) FCompressedStoredSkin = nullptr;
    if (AComponent == FResourceStrData) FResourceStrData = nullptr;
    if (AComponent == FSkinList) FSkinList = nullptr;
}

void TskSkinData::SetShowLayeredBorders(bool Value) {
    if (Value == FShowLayeredBorders) return;
    FShowLayeredBorders = Value;
    if (!Designing() && !ComponentState().Contains(csLoading)) BroadcastSkinMessage(SKINMSG_LAYEREDBORDERS);
}

void TskSkinData::SetSkinnableForm(bool Value) {
    if (Value == FSkinnableForm) return;
    FSkinnableForm = Value;
    if (!Designing() && !ComponentState().Contains(csLoading)) BroadcastSkinMessage(SKINMSG_SKINNABLEFORM);
}

void TskSkinData::SetAeroBlurEnabled(bool Value) {
    if (Value == FAeroBlurEnabled) return;
    FAeroBlurEnabled = Value;
    if (!Designing() && !ComponentState().Contains(csLoading)) BroadcastSkinMessage(SKINMSG_AEROBLUR);
}

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* Value) {
    FCompressedStoredSkin = Value;
    if (Value) Value->FreeNotification(this);
    if (Value && !Designing()) LoadCompressedStoredSkin(Value);
}

void TskSkinData::SetResourceStrData(TskResourceStrData* Value) {
    FResourceStrData = Value;
    if (Value) Value->FreeNotification(this);
    if (!Designing()) BroadcastSkinMessage(SKINMSG_RESOURCESTRDATA);
}

void TskSkinData::SetSkinList(TskCompressedSkinList* Value) {
    FSkinList = Value;
    if (Value) Value->FreeNotification(this);
    if (Value && !Designing() && FSkinIndex >= 0 && FSkinIndex < Value->Skins()->Count())
        LoadCompressedStoredSkin(Value->Skins()->Items(FSkinIndex)->StoredSkin());
}

void TskSkinData::SetSkinIndex(int Value) {
    if (Value == FSkinIndex) return;
    if (!FSkinList) {
        FSkinIndex = Value;
        return;
    }
    if (Value < 0 || Value >= FSkinList->Skins()->Count()) return;
    FSkinIndex = Value;
    if (!Designing()) LoadCompressedStoredSkin(FSkinList->Skins()->Items(Value)->StoredSkin());
}

int TskSkinData::GetControlIndex(const std::string& Name) const {
    for (std::size_t i = 0; i < FCtrlList.size(); ++i)
        if (FCtrlList[i]->Name == Name) return int(i);
    return -1;
}

void TskSkinData::LoadCompressedStoredSkin(TskCompressedStoredSkin* Skin) {
    if (!Skin || Skin->IsEmpty()) return;
    FEmpty = true;
    BroadcastSkinMessage(SKINMSG_BEFORECHANGE);
    ClearSkin();
    // Skins fail quietly: damaged bytes, a cut stream, a bad picture or an unreadable value leave no
    // skin at all (the controls draw their plain looks) instead of stopping the form being built.
    try {
        TMemoryStream stream;
        Skin->UnpackToStream(&stream);
        stream.SetPosition(0);
        std::string text;
        if (ReadSkinStream(stream, FPictures, text) > SkinStreamHighestVersion) return;
        TMemIniFile ini("");
        TStringList lines;
        lines.SetText(text);
        ini.SetStrings(lines);
        LoadSkinText(&ini);
    } catch (const std::exception&) {
        ClearSkin();
        return;
    }
    FEmpty = false;
    if (OnLoadData) OnLoadData(this);
    BroadcastSkinMessage(SKINMSG_CHANGE);
    BroadcastSkinMessage(SKINMSG_AFTERCHANGE);
}

void TskSkinData::LoadSkinText(TCustomIniFile* Ini) {
    SkinName = Ini->ReadString("VERSION", "skinname", "");
    SkinAuthor = Ini->ReadString("VERSION", "skinauthor", "");
    AuthorEmail = Ini->ReadString("VERSION", "authoremail", "");
    AuthorURL = Ini->ReadString("VERSION", "authorurl", "");
    SkinComments = Ini->ReadString("VERSION", "skincomments", "");
    PictureName = Ini->ReadString("PICTURES", "picture", "");
    MaskName = Ini->ReadString("PICTURES", "mask", "");
    RollUpPictureName = Ini->ReadString("PICTURES", "rolluppicture", "");
    RollUpMaskName = Ini->ReadString("PICTURES", "rollupmask", "");
    ReadIndexedList(Ini, "PICTURES", "activepictures", &FActivePictureNames);
    LoadFormInfo(Ini);
    FPopupWindow.LoadPopupWindow(Ini);
    FLayerFrame.LoadLayerFrame(Ini);
    FLayerFrame.BuildLayerImages(this);
    FHintWindow.LoadHintWindow(Ini);
    FColors.LoadFromIni(Ini);
    LoadAreas(Ini);
    LoadObjects(Ini);
    LoadControls(Ini);
}

void TskSkinData::VisitFormInfoKeys(TskKeyVisitor& V) {
    V.Point("lefttoppoint", LTPoint);
    V.Point("righttoppoint", RTPoint);
    V.Point("leftbottompoint", LBPoint);
    V.Point("rightbottompoint", RBPoint);
    V.Rect("clientrect", ClRect);
    V.Integer("bgpictureindex", BGPictureIndex, -1);
    V.Integer("mdibgpictureindex", MDIBGPictureIndex, -1);
    V.Boolean("leftstretch", LeftStretch);
    V.Boolean("rightstretch", RightStretch);
    V.Boolean("topstretch", TopStretch);
    V.Boolean("bottomstretch", BottomStretch);
    V.Boolean("stretcheffect", StretchEffect);
    V.Enum("stretchtype", StretchType, StretchTypeWords);
    V.Boolean("mdibgstretcheffect", MDIBGStretchEffect);
    V.Enum("mdibgstretchtype", MDIBGStretchType, StretchTypeWords);
    V.Rect("buttonsrect", ButtonsRect);
    V.Rect("captionrect", CaptionRect);
    V.Integer("buttonsoffset", ButtonsOffset);
    V.Boolean("buttonsinleft", ButtonsInLeft);
    V.Rect("maskrectarea", MaskRectArea);
    V.Point("hittestlefttoppoint", HitTestLTPoint);
    V.Point("hittestrighttoppoint", HitTestRTPoint);
    V.Point("hittestleftbottompoint", HitTestLBPoint);
    V.Point("hittestrightbottompoint", HitTestRBPoint);
    V.Point("rollupleftpoint", RollUpLeftPoint);
    V.Point("rolluprightpoint", RollUpRightPoint);
    V.Rect("mainmenurect", MainMenuRect);
    V.Rect("iconrect", IconRect);
    V.Boolean("mainmenupopupup", MainMenuPopupUp);
    V.Integer("borderwidth", BorderWidth);
    V.Integer("formminwidth", FormMinWidth);
    V.Integer("formminheight", FormMinHeight);
    V.Boolean("mditabstransparent", MDITabsTransparent);
    V.Boolean("mainmenubartransparent", MainMenuBarTransparent);
    V.Integer("cursorindex", CursorIndex, -1);
    V.Boolean("autorenderinginactiveimage", AutoRenderingInactiveImage);
    V.Enum("inactiveeffect", InactiveEffect, EffectWords);
    V.Rect("sizegriparea", SizeGripArea);
}

void TskSkinData::LoadFormInfo(TCustomIniFile* Ini) {
    TskKeyReader reader(Ini, "FORMINFO");
    VisitFormInfoKeys(reader);
    if (!MaskName.empty()) {
        if (RectIsEmpty(MaskRectArea))
            MaskRectArea = ClRect;
        else
            MaskRectArea = TRect{
                std::min(MaskRectArea.left, ClRect.left), std::min(MaskRectArea.top, ClRect.top),
                std::max(MaskRectArea.right, ClRect.right), std::max(MaskRectArea.bottom, ClRect.bottom)};
        FillZeroPoint(HitTestLTPoint, LTPoint);
        FillZeroPoint(HitTestRTPoint, RTPoint);
        FillZeroPoint(HitTestLBPoint, LBPoint);
        FillZeroPoint(HitTestRBPoint, RBPoint);
    }
    if (RBPoint.x != LTPoint.x && RBPoint.y != LTPoint.y) {
        LTPoint.x = std::max(LTPoint.x, ClRect.left);
        LBPoint.x = std::max(LBPoint.x, ClRect.left);
        LTPoint.y = std::max(LTPoint.y, ClRect.top);
        RTPoint.y = std::max(RTPoint.y, ClRect.top);
        RTPoint.x = std::min(RTPoint.x, ClRect.right);
        RBPoint.x = std::min(RBPoint.x, ClRect.right);
        LBPoint.y = std::min(LBPoint.y, ClRect.bottom);
        RBPoint.y = std::min(RBPoint.y, ClRect.bottom);
    }
    StatusBarName = Ini->ReadString("FORMINFO", "statusbarname", "");
}

void TskSkinData::LoadAreas(TCustomIniFile* Ini) {
    const int count = ReadStoredCount(Ini, "SKINAREAS", "count");
    for (int i = 0; i < count; ++i) {
        const std::string text = Ini->ReadString("SKINAREAS", std::to_string(i), "");
        auto area = std::make_unique<TskDataSkinArea>();
        const std::size_t colon = text.rfind(':');
        const std::size_t semicolon = text.rfind(';');
        if (colon != std::string::npos) {
            area->Name = text.substr(0, colon);
            const std::size_t end =
                semicolon != std::string::npos && semicolon > colon ? semicolon : text.size();
            area->AreaRect = ParseRectValue(text.substr(colon + 1, end - colon - 1));
        }
        // Five flags written as digits separated by commas: exactly nine characters.
        if (semicolon != std::string::npos && text.size() - semicolon - 1 == 9)
            for (int k = 0; k < 5; ++k)
                area->Flags[std::size_t(k)] = text[semicolon + 1 + std::size_t(2 * k)] == '1';
        FAreaList.push_back(std::move(area));
    }
}

void TskSkinData::LoadObjects(TCustomIniFile* Ini) {
    LoadEntries(Ini, "SKINOBJECTS", CreateSkinObjectData, FObjectList,
                [this](TskDataSkinObject* Object) { Object->InitAlphaImages(this); });
}

void TskSkinData::LoadControls(TCustomIniFile* Ini) {
    LoadEntries(Ini, "SKINCONTROLS", CreateSkinControlData, FCtrlList, [](TskDataSkinControl*) {});
}

void TskSkinData::ClearSkin() {
    ClearSkinLists();
    FPictures.Clear();
    PictureName.clear();
    MaskName.clear();
    RollUpPictureName.clear();
    RollUpMaskName.clear();
    FEmpty = true;
}

void TskSkinData::ClearSkinLists() {
    FAreaList.clear();
    FObjectList.clear();
    FCtrlList.clear();
    FPictures.ActivePictures.clear();
    FPopupWindow.WindowPictureIndex = -1;
    FHintWindow.WindowPictureIndex = -1;
    FLayerFrame.PictureIndex = -1;
    FLayerFrame.InactivePictureIndex = -1;
    FLayerFrame.BuildLayerImages(this);
    FActivePictureNames.Clear();
    FColors.Reset();
}

void TskSkinData::BroadcastSkinMessage(UINT Msg) {
    const auto wParam = reinterpret_cast<WPARAM>(this);
    constexpr LPARAM lParam = 1000;
    auto* ownerForm = dynamic_cast<TForm*>(Owner());
    const bool ownerFirst = ownerForm && !FShowLayeredBorders;
    if (ownerFirst) SendMessage(ownerForm->Handle(), Msg, wParam, lParam);
    TScreen* screen = Screen();
    if (!screen) return;
    std::vector<HWND> windows;
    for (int i = 0; i < screen->FormCount(); ++i) {
        TCustomForm* form = screen->Forms(i);
        // The glow windows of skinned buttons are not told.
        if ((ownerFirst && form == ownerForm) || form->ClassName() == "TskFormLayerWindow") continue;
        windows.push_back(form->Handle());
    }
    if (FShowLayeredBorders && FLayerFrame.PictureIndex != -1) std::reverse(windows.begin(), windows.end());
    for (HWND window : windows)
        SendMessage(window, Msg, wParam, lParam);
}
