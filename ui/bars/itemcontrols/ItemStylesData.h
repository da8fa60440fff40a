// The styles of one bar item (its own style, and the edit style of edit items): the data holds the style
// references, listens to the styles, remembers the values each had when last seen, and tells the item
// whether a change needs a new layout (a font changed) or only a repaint (a colour changed). A style
// notification that does not change any remembered value is not passed on.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/painters/styles/Styles.h"

#include <cstdint>
#include <string>
#include <vector>

// What a style change asks of the item. The values are ordered: a layout includes a repaint.
enum TovBarItemStylesChange : std::uint8_t { bscRepaint = 0, bscLayout = 1, bscNone = 2 };
using TovBarItemStylesChangeEvent = TEvent<TovBarItemStylesChange>;

class TovBarItemStylesData : public TuiInterfacedPersistent, public IuiStyleListener {
public:
    explicit TovBarItemStylesData(int AStyleCount, TPersistent* AOwner = nullptr);
    // Leaves every style it listens to, without telling the item.
    ~TovBarItemStylesData() override;
    TovBarItemStylesData(const TovBarItemStylesData&) = delete;
    TovBarItemStylesData& operator=(const TovBarItemStylesData&) = delete;

    int StyleCount() const { return static_cast<int>(FEntries.size()); }
    // Null for an index the item has no style slot for.
    TuiStyle* GetStyle(int AIndex) const;
    // Listens to AStyle while any slot holds it; ERangeError for an index outside the slots.
    void SetStyle(int AIndex, TuiStyle* AStyle);

    TovBarItemStylesChangeEvent OnChange;

    // ---- The styles' notifications
    void StyleChanged(TuiCustomStyle* AStyle) override;
    void StyleRemoved(TuiCustomStyle* AStyle) override;

private:
    // The values of a style the item depends on, as last seen.
    struct TEntry {
        TuiStyleValues AssignedValues;
        TColor Color = clDefault;
        int FontHeight = 0;
        TFontPitch FontPitch = fpDefault;
        TFontStyles FontStyle;
        TFontCharset FontCharset = DEFAULT_CHARSET;
        std::string FontName;
        TColor TextColor = clDefault;
        TuiStyle* Style = nullptr;
    };

    // Compares the slot's remembered values with its style's, remembers the new ones and reports.
    void UpdateStyleData(int AIndex);
    void Changed(TovBarItemStylesChange AKind);
    int UseCount(const TuiCustomStyle* AStyle) const;
    // Runs AWork with the notifications gathered into one.
    template <class F> void WithinUpdate(F AWork);

    std::vector<TEntry> FEntries;
    int FLockCount = 0;
    TovBarItemStylesChange FPendingChange = bscNone;
    bool FDestroying = false;
};
