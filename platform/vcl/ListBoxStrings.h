// TListBoxStrings: the items of a list box or a combo box — strings with their objects and, beside each,
// whether it is selected, so that the selection follows its item through inserts and deletes (callers
// delete the selected items of a multi-select list one by one). The owner hears of every change.
#pragma once

#include "platform/rtl/Strings.h"

#include <functional>
#include <string>
#include <vector>

class TListBoxStrings : public TStrings {
public:
    TListBoxStrings() = default;

    int Add(const std::string& S) override;
    void Clear() override;
    void Delete(int Index) override;
    void Insert(int Index, const std::string& S) override;
    void Exchange(int Index1, int Index2) override;

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    bool ItemSelected(int Index) const;
    void SetItemSelected(int Index, bool Value);
    int SelectedCount() const;

    // Called after each change (once at the end of an update bracket); Index is the first item that
    // changed, Inserted how many items came (negative: went) there.
    std::function<void(int Index, int Inserted)> OnItemsChanged;

protected:
    std::string Get(int Index) const override;
    int GetCount() const override { return static_cast<int>(FItems.size()); }
    TObject* GetObject(int Index) const override;
    void Put(int Index, const std::string& S) override;
    void PutObject(int Index, TObject* AObject) override;
    void SetUpdateState(bool Updating) override;

private:
    struct TItem {
        std::string Text;
        TObject* Object = nullptr;
        bool Selected = false;
    };
    void CheckIndex(int Index) const;
    void Changed(int Index, int Inserted);

    std::vector<TItem> FItems;
    bool FSorted = false;
    bool FUpdating = false;
    bool FChangedWhileUpdating = false;
};
