// The page control and its sheets: the pages half of the tab control family.
#include "platform/vcl/PageControl.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/StdCtrlsPaint.h"

#include <algorithm>

// ---- TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csAcceptsControls, csOpaque};
    FVisible = false;
}

TTabSheet::~TTabSheet() {
    if (FPageControl != nullptr) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* Value) {
    if (FPageControl == Value) return;
    if (FPageControl != nullptr) FPageControl->RemovePage(this);
    FPageControl = Value;
    SetParent(Value);
    if (Value != nullptr) Value->InsertPage(this);
}

void TTabSheet::SetTabVisible(bool Value) {
    if (FTabVisible == Value) return;
    FTabVisible = Value;
    if (FPageControl != nullptr) FPageControl->PagesChanged();
}

int TTabSheet::PageIndex() const {
    if (FPageControl == nullptr) return -1;
    const auto& pages = FPageControl->FPages;
    const auto it = std::find(pages.begin(), pages.end(), this);
    return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

void TTabSheet::SetPageIndex(int Value) {
    if (FPageControl != nullptr) FPageControl->MovePage(this, Value);
}

int TTabSheet::TabIndex() const {
    if (FPageControl == nullptr || !FTabVisible) return -1;
    int position = 0;
    for (TTabSheet* page : FPageControl->FPages) {
        if (page == this) return position;
        if (page->FTabVisible) ++position;
    }
    return -1;
}

void TTabSheet::Paint() {
    StdCtrlsFill(Canvas()->Handle(), ClientRect(), Color());
}

void TTabSheet::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_TEXTCHANGED && FPageControl != nullptr) FPageControl->PagesChanged();
    TCustomControl::Dispatch(Message);
}

// ---- TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

TPageControl::~TPageControl() {
    // Sheets that outlive the control forget it.
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
    FPages.clear();
}

void TPageControl::InsertPage(TTabSheet* Page) {
    FPages.push_back(Page);
    if (FActivePage == nullptr) FActivePage = Page;
    PagesChanged();
}

void TPageControl::RemovePage(TTabSheet* Page) {
    const auto it = std::find(FPages.begin(), FPages.end(), Page);
    if (it == FPages.end()) return;
    if (FActivePage == Page) {
        TTabSheet* next = FindNextPage(Page, true, false);
        FActivePage = next != Page ? next : nullptr;
    }
    FPages.erase(std::find(FPages.begin(), FPages.end(), Page));
    PagesChanged();
}

void TPageControl::MovePage(TTabSheet* Page, int Index) {
    const auto it = std::find(FPages.begin(), FPages.end(), Page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    Index = std::clamp(Index, 0, static_cast<int>(FPages.size()));
    FPages.insert(FPages.begin() + Index, Page);
    PagesChanged();
}

void TPageControl::PagesChanged() {
    ShowActivePage();
    Invalidate();
}

void TPageControl::Resize() {
    TCustomTabControl::Resize();
    ShowActivePage();
}

void TPageControl::ShowActivePage() {
    const RECT display = DisplayRect();
    for (TTabSheet* page : FPages) {
        page->SetBounds(display.left, display.top, display.right - display.left,
                        display.bottom - display.top);
        page->SetVisible(page == FActivePage);
    }
}

void TPageControl::SetActivePage(TTabSheet* Value) {
    if (Value != nullptr && Value->PageControl() != this) return;
    if (Value == FActivePage) return;
    // The focus does not stay on a page that goes out of sight.
    TCustomForm* form = GetParentForm();
    TWinControl* focused = form != nullptr ? form->ActiveControl() : nullptr;
    const bool focusOnOldPage =
        FActivePage != nullptr && focused != nullptr && focused->HasParentChain(FActivePage);
    FActivePage = Value;
    ShowActivePage();
    Invalidate();
    if (focusOnOldPage && CanFocus()) SetFocus();
}

int TPageControl::ActivePageIndex() const {
    return FActivePage != nullptr ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value) {
    SetActivePage(Value >= 0 && Value < PageCount() ? FPages[static_cast<std::size_t>(Value)] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* Current, bool GoForward, bool CheckTabVisible) {
    if (FPages.empty()) return nullptr;
    const int count = PageCount();
    int start = Current != nullptr ? Current->PageIndex() : (GoForward ? count - 1 : 0);
    if (start < 0) start = GoForward ? count - 1 : 0;
    int i = start;
    for (int k = 0; k < count; ++k) {
        i = GoForward ? (i + 1) % count : (i + count - 1) % count;
        TTabSheet* page = FPages[static_cast<std::size_t>(i)];
        if (!CheckTabVisible || page->TabVisible()) return page;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward) {
    TTabSheet* page = FindNextPage(FActivePage, GoForward, true);
    if (page != nullptr && page != FActivePage) ChangeTabByUser(page->TabIndex());
}

TTabSheet* TPageControl::PageOfTab(int Position) const {
    int position = 0;
    for (TTabSheet* page : FPages) {
        if (!page->TabVisible()) continue;
        if (position == Position) return page;
        ++position;
    }
    return nullptr;
}

int TPageControl::TabCount() const {
    return static_cast<int>(
        std::count_if(FPages.begin(), FPages.end(), [](TTabSheet* p) { return p->TabVisible(); }));
}

std::string TPageControl::TabCaption(int Position) const {
    TTabSheet* page = PageOfTab(Position);
    return page != nullptr ? page->Caption() : std::string();
}

int TPageControl::CurrentTab() const {
    return FActivePage != nullptr ? FActivePage->TabIndex() : -1;
}

bool TPageControl::SelectTab(int Position) {
    TTabSheet* page = PageOfTab(Position);
    if (page == nullptr) return false;
    SetActivePage(page);
    return true;
}
