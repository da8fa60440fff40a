// The recent-files list item: a list item whose entries are the most recently used texts (file paths),
// newest first, kept to a maximum count. Adding a text already listed moves that entry to the top; a
// menu shows each entry numbered, long paths shortened in their middle.
//
// Texts compare with their letter case: two paths that differ in case name two files here.
#pragma once

#include "ui/bars/BarSubItems.h"

#include <string>

class TovBarMRUListItem : public TovBarListItem {
public:
    static constexpr int DefaultMaxItemCount = 5;
    // How wide (pixels) an entry's text may be in a menu before its middle is elided.
    static constexpr int DisplayWidth = 300;

    explicit TovBarMRUListItem(TComponent* AOwner);

    // 0 means no limit; a negative value is stored as 0. A smaller count drops the oldest entries.
    int MaxItemCount() const { return FMaxItemCount; }
    void SetMaxItemCount(int AValue);
    // A clicked entry leaves the list once the click has been handled.
    bool RemoveItemOnClick = false;

    // Puts the entry at the top: an entry with this text (or, failing that, with this object when one is
    // given) moves there unchanged; otherwise a new entry is inserted and the list trimmed.
    void AddItem(const std::string& AText, TObject* AObject = nullptr);
    // Deletes the entry with this text; with an empty text, the first entry with this object.
    void RemoveItem(const std::string& AText, TObject* AObject = nullptr);
    // Deletes the oldest entries beyond MaxItemCount.
    void TrimToMaxItemCount();

    // The text shortened with a path ellipsis to DisplayWidth, measured with the screen's font.
    std::string GetDisplayText(const std::string& AText) const override;
    // The display text, its ampersands doubled: they are part of the path, not accelerators.
    std::string GetItemCaption(int AStringIndex) const override;
    void DoClick() override;
    void Assign(TPersistent* Source) override;

private:
    bool HasActiveControl() const;

    int FMaxItemCount = DefaultMaxItemCount;
};
