// The two recent lists of the interim command menu: the recent-documents pane and the recent-files
// list item, held in memory; the menu shows them and rebuilds its items when they change.
#pragma once

#include "source/mainform/MainWindowBars.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TInterimPaneItems : public IRecentPaneItems {
public:
    int Count() const override { return static_cast<int>(FItems.size()); }
    int IndexOfText(const std::string& Text) const override;
    IRecentPaneItem& Insert(int Index) override;
    IRecentPaneItem& GetItem(int Index) override;
    void Delete(int Index) override;
    void Clear() override;

    std::function<void()> OnChange;

private:
    class TItem : public IRecentPaneItem {
    public:
        explicit TItem(TInterimPaneItems& Owner) : FOwner(Owner) {}
        const std::string& Text() const override { return FText; }
        void SetText(const std::string& Value) override;

    private:
        TInterimPaneItems& FOwner;
        std::string FText;
    };
    void Changed();
    std::vector<std::unique_ptr<TItem>> FItems;
};

class TInterimRecentFilesList : public IRecentFilesList {
public:
    const std::vector<std::string>& Items() const override { return FItems; }
    void AddItem(const std::string& Text) override;
    void RemoveItem(const std::string& Text) override;
    void Clear() override;
    void LoadFromFile(const std::string& Path) override;
    void SaveToFile(const std::string& Path) const override;

    int MaxItemCount = DefaultMaxItemCount;
    std::function<void()> OnChange;

private:
    int IndexOf(const std::string& Text) const;
    void Changed();
    std::vector<std::string> FItems;
};
