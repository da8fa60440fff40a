#include "ui/bars/customize/dialogs/BarSubMenuEditor.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"
#include "ui/bars/painting/BarSystemServices.h"
#include "ui/core/base/ResourceStrings.h"

#include <string>

namespace {

// The one editor of the process.
TovBarSubMenuEditor* SubMenuEditor = nullptr;

// Where the editor first shows, and its width until a menu gives it one.
constexpr int DesignedLeft = 300;
constexpr int DesignedTop = 200;
constexpr int DesignedWidth = 150;
constexpr int DesignedClientHeight = 4;

// Customizing has started for the manager: the Customize window turns to its commands.
void ShowCommandsOfCustomizingForm(TovBarManager* AManager) {
    if (AManager == nullptr || !AManager->IsCustomizingOrDesigning()) return;
    if (TovBarCustomCustomizationForm* form = BarCustomizingForm()) form->ShowCommandsPage();
}

// The window width that shows the whole caption text and the close box.
int CaptionFittingWidth(const std::string& ACaption) {
    NONCLIENTMETRICS metrics;
    ::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HDC dc = ::GetDC(nullptr);
    HFONT font = ::CreateFontIndirect(&metrics.lfCaptionFont);
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE text{};
    ::GetTextExtentPoint32(dc, ACaption.c_str(), static_cast<int>(ACaption.size()), &text);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, dc);
    const int frame = ::GetSystemMetrics(SM_CXDLGFRAME);
    return text.cx + ::GetSystemMetrics(SM_CXSIZE) + 2 * frame + 12;
}

} // namespace

TovBarSubMenuEditor::TovBarSubMenuEditor(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("ovBarSubMenuEditor");
    SetTag(100);
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{biSystemMenu});
    SetCaption(uiGetResourceString(ovSBAR_SUBMENUEDITORCAPTION));
    SetPosition(poDesigned);
    SetBounds(DesignedLeft, DesignedTop, DesignedWidth, 60);
    SetClientHeight(DesignedClientHeight);
    OnActivate = TNotifyEvent(this, &TovBarSubMenuEditor::FormActivate);
    OnClose = TCloseEvent(this, &TovBarSubMenuEditor::FormClose);
    OnDestroy = TNotifyEvent(this, &TovBarSubMenuEditor::FormDestroy);
    OnShow = TNotifyEvent(this, &TovBarSubMenuEditor::FormShow);
}

TovBarSubMenuEditor::~TovBarSubMenuEditor() {
    CloseMenu();
    WatchLinksOwner(nullptr);
    if (SubMenuEditor == this) SubMenuEditor = nullptr;
}

void TovBarSubMenuEditor::CreateParams(TCreateParams& Params) {
    TForm::CreateParams(Params);
    Params.Style = (Params.Style & WS_DISABLED) | WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU;
    Params.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    // Owned as the Customize window is: by the form of the manager whose links are edited.
    if (FItemLinks != nullptr && FItemLinks->BarManager() != nullptr)
        if (TCustomForm* form = FItemLinks->BarManager()->GetParentForm())
            if (form->HandleAllocated()) Params.WndParent = form->Handle();
}

// ---- Links

void TovBarSubMenuEditor::SetItemLinks(TovBarItemLinks* AValue) {
    if (AValue == FItemLinks) return;
    CloseMenu();
    WatchLinksOwner(nullptr);
    FItemLinks = AValue;
    if (AValue == nullptr) {
        ReleaseEditor();
        return;
    }
    WatchLinksOwner(dynamic_cast<TComponent*>(AValue->OwnerObject()));
}

void TovBarSubMenuEditor::WatchLinksOwner(TComponent* AOwner) {
    if (FLinksOwner != nullptr) RemoveFreeNotification(FLinksOwner);
    FLinksOwner = AOwner;
    if (AOwner != nullptr) FreeNotification(AOwner);
}

void TovBarSubMenuEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent == nullptr || AComponent != FLinksOwner) return;
    // The links went with their owner, and their menu with them.
    FLinksOwner = nullptr;
    FItemLinks = nullptr;
    FMenu.Reset();
    ReleaseEditor();
}

void TovBarSubMenuEditor::ReleaseEditor() {
    if (FReleasing) return;
    FReleasing = true;
    CloseMenu();
    if (SubMenuEditor == this) SubMenuEditor = nullptr;
    if (!HandleAllocated()) {
        Free();
        return;
    }
    Hide();
    Release();
}

// ---- The menu below the caption

TovBarSubMenuControl* TovBarSubMenuEditor::Menu() const {
    auto* menu = dynamic_cast<TovBarSubMenuControl*>(FMenu.Get());
    if (menu == nullptr || FItemLinks == nullptr || FItemLinks->BarControl() != menu || !menu->IsVisible())
        return nullptr;
    return menu;
}

TRect TovBarSubMenuEditor::ScreenBounds() {
    if (!HandleAllocated()) return TRect{Left(), Top(), Left() + Width(), Top() + Height()};
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    return r;
}

TPoint TovBarSubMenuEditor::MenuPoint() {
    const TRect r = ScreenBounds();
    return TPoint{r.left, r.bottom};
}

void TovBarSubMenuEditor::OpenMenu() {
    if (FItemLinks == nullptr || FReleasing || Menu() != nullptr) return;
    TovBarManager* manager = FItemLinks->BarManager();
    if (manager != nullptr && manager->IsDragging()) {
        std::string refusal;
        if (!FItemLinks->CanContainItem(manager->DraggingItem(), refusal)) return;
    }
    // A menu window the links kept from an earlier opening (from their sub-item, for instance) still
    // knows that owner: a new one hangs below the editor alone.
    if (IovBarControl* earlier = FItemLinks->BarControl()) {
        if (earlier->IsVisible()) earlier->CloseUp(bcrOther);
        if (FItemLinks == nullptr) return;
        FItemLinks->FreeBarControl();
    }
    FItemLinks->ConnectBarControl();
    auto* menu = dynamic_cast<TovBarSubMenuControl*>(FItemLinks->BarControl());
    if (menu == nullptr) return;
    FMenu = menu;
    const TRect bounds = ScreenBounds();
    menu->SetOwnerSize(0, bounds.bottom - bounds.top);
    // The editor is as wide as the menu: a narrow menu is widened so that the caption still shows whole.
    menu->SetMinWidth(CaptionFittingWidth(Caption()));
    menu->MoveTo(TPoint{bounds.left, bounds.bottom});
    menu->OnPlaced = [this](TovBarSubMenuControl* AMenu) {
        if (FMenu.Get() == AMenu) FollowMenuWidth();
    };
    TWeakLink<TovBarSubMenuEditor> self(this);
    menu->Show();
    if (self) FollowMenuWidth();
}

void TovBarSubMenuEditor::CloseMenu() {
    auto* menu = dynamic_cast<TovBarSubMenuControl*>(FMenu.Get());
    FMenu.Reset();
    if (menu == nullptr) return;
    menu->OnPlaced = nullptr;
    if (menu->IsVisible()) menu->CloseUp(bcrOther);
}

void TovBarSubMenuEditor::FollowMenuWidth() {
    TovBarSubMenuControl* menu = Menu();
    if (menu == nullptr || menu->Handle() == nullptr) return;
    RECT r{};
    ::GetWindowRect(menu->Handle(), &r);
    FMenuWidth = r.right - r.left;
    if (FMenuWidth <= 0 || FMenuWidth == Width()) return;
    const bool placing = FPlacing;
    FPlacing = true;
    SetWidth(FMenuWidth);
    FPlacing = placing;
}

void TovBarSubMenuEditor::KeepInsideWorkArea() {
    TRect work{};
    MonitorWorkAreaAt(TPoint{Left(), Top()}, work);
    if (Left() < work.left) SetLeft(work.left);
    if (Top() < work.top) SetTop(work.top);
}

// ---- Window

void TovBarSubMenuEditor::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        // The close box closes the menu before the editor goes; the rest of the caption brings the
        // editor (and its menu) forward as it starts moving it.
        if (Message.WParam == HTCLOSE)
            CloseMenu();
        else
            OpenMenu();
        break;
    case WM_GETMINMAXINFO: {
        TForm::Dispatch(Message);
        auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
        if (info == nullptr) return;
        info->ptMinTrackSize.y = info->ptMaxTrackSize.y = Height();
        if (FMenuWidth > 0) info->ptMinTrackSize.x = info->ptMaxTrackSize.x = FMenuWidth;
        return;
    }
    default:
        break;
    }
    TForm::Dispatch(Message);
    if (Message.Msg == WM_WINDOWPOSCHANGED && !FPlacing)
        if (TovBarSubMenuControl* menu = Menu()) {
            FPlacing = true;
            TWeakLink<TovBarSubMenuEditor> self(this);
            menu->Reposition(MenuPoint());
            if (self) FPlacing = false;
        }
}

// ---- Handlers

void TovBarSubMenuEditor::FormActivate(TObject*) {
    OpenMenu();
}

void TovBarSubMenuEditor::FormClose(TObject*, TCloseAction& Action) {
    Action = caFree;
}

void TovBarSubMenuEditor::FormDestroy(TObject*) {
    CloseMenu();
    if (SubMenuEditor == this) SubMenuEditor = nullptr;
}

void TovBarSubMenuEditor::FormShow(TObject*) {
    KeepInsideWorkArea();
}

// ---- Entry points

void ShowSubMenuEditor(TovBarItemLinks* ALinks) {
    if (ALinks == nullptr) {
        if (SubMenuEditor != nullptr) SubMenuEditor->SetItemLinks(nullptr);
        return;
    }
    if (TovBarManager* manager = ALinks->BarManager()) {
        // Starting to customize opens the Customize window.
        manager->SetIsCustomizing(true);
        Application()->ProcessMessages();
        ShowCommandsOfCustomizingForm(manager);
    }
    if (SubMenuEditor == nullptr) SubMenuEditor = TCustomForm::New<TovBarSubMenuEditor>(nullptr);
    TWeakLink<TovBarSubMenuEditor> editor(SubMenuEditor);
    editor->SetClientHeight(0);
    editor->SetItemLinks(ALinks);
    Application()->ProcessMessages();
    // The links may have gone meanwhile, and the editor with them.
    if (!editor || editor.Get() != SubMenuEditor) return;
    editor->Show();
    // Shown before, the editor was active already: it opens the new links' menu itself.
    if (editor) editor->OpenMenu();
}

TovBarSubMenuEditor* ActiveSubMenuEditor() {
    return SubMenuEditor;
}

void ovFreeSubMenuEditor() {
    TovBarSubMenuEditor* editor = SubMenuEditor;
    SubMenuEditor = nullptr;
    if (editor != nullptr) editor->Free();
}
