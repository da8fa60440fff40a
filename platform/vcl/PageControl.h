// TPageControl / TTabSheet: pages of controls, one shown at a time, each with its tab (a sheet with
// TabVisible off has none but can still be made active in code). ActivePage changes fire OnChange only
// when the user turns the page.
#pragma once

#include "platform/vcl/TabControl.h"

#include <vector>

class TPageControl;

class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* Value);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    int PageIndex() const;
    void SetPageIndex(int Value);
    // Its place among the tabs shown, or -1 when its tab is hidden.
    int TabIndex() const;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

class TPageControl : public TCustomTabControl {
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int Index) const { return FPages.at(static_cast<std::size_t>(Index)); }
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* Value);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // The next (or previous) page with a visible tab after Current, wrapping.
    TTabSheet* FindNextPage(TTabSheet* Current, bool GoForward, bool CheckTabVisible);
    void SelectNextPage(bool GoForward);

protected:
    friend class TTabSheet;
    int TabCount() const override;
    std::string TabCaption(int Position) const override;
    int CurrentTab() const override;
    bool SelectTab(int Position) override;
    void Resize() override;

    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, int Index);
    void PagesChanged();
    TTabSheet* PageOfTab(int Position) const;

private:
    void ShowActivePage();

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};
