#include "ui/bars/itemcontrols/ItemStylesData.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Font.h"

#include <algorithm>

namespace item_styles_data_detail {

// The longest face name a font description carries.
constexpr std::size_t FaceNameLength = 31;

// A value is changed when it became assigned or unassigned, or when both the old and the new value are
// assigned and differ.
bool ValueChanged(bool AHadValue, bool AHasValue, bool ADiffers) {
    return AHadValue != AHasValue || (AHasValue && ADiffers);
}

} // namespace item_styles_data_detail

using namespace item_styles_data_detail;

TovBarItemStylesData::TovBarItemStylesData(int AStyleCount, TPersistent* AOwner)
    : TuiInterfacedPersistent(AOwner), FEntries(static_cast<std::size_t>(std::max(AStyleCount, 0))) {}

TovBarItemStylesData::~TovBarItemStylesData() {
    FDestroying = true;
    for (int i = 0; i < StyleCount(); ++i)
        SetStyle(i, nullptr);
}

TuiStyle* TovBarItemStylesData::GetStyle(int AIndex) const {
    return AIndex >= 0 && AIndex < StyleCount() ? FEntries[AIndex].Style : nullptr;
}

int TovBarItemStylesData::UseCount(const TuiCustomStyle* AStyle) const {
    return static_cast<int>(std::count_if(FEntries.begin(), FEntries.end(),
                                          [AStyle](const TEntry& AEntry) { return AEntry.Style == AStyle; }));
}

void TovBarItemStylesData::SetStyle(int AIndex, TuiStyle* AStyle) {
    if (AIndex < 0 || AIndex >= StyleCount()) throw ERangeError("Style index out of range");
    TEntry& entry = FEntries[AIndex];
    if (entry.Style == AStyle) return;
    TuiStyle* previous = entry.Style;
    entry.Style = AStyle;
    // One registration per style, however many slots hold it.
    if (previous != nullptr && UseCount(previous) == 0) previous->RemoveChangeListener(this);
    if (AStyle != nullptr && UseCount(AStyle) == 1) AStyle->AddChangeListener(this);
    UpdateStyleData(AIndex);
}

void TovBarItemStylesData::UpdateStyleData(int AIndex) {
    if (FDestroying) return;
    TEntry& entry = FEntries[AIndex];
    TuiStyle* style = entry.Style;
    const TuiStyleValues current = style != nullptr ? style->AssignedValues() : TuiStyleValues{};
    const TuiStyleValues& seen = entry.AssignedValues;
    TFont* font = style != nullptr ? style->Font() : nullptr;
    const std::string faceName = font != nullptr ? font->Name().substr(0, FaceNameLength) : std::string();

    const bool colorChanged =
        ValueChanged(seen.Contains(svColor), current.Contains(svColor),
                     current.Contains(svColor) && ColorToRGB(entry.Color) != ColorToRGB(style->Color()));
    const bool fontChanged = ValueChanged(
        seen.Contains(svFont), current.Contains(svFont),
        current.Contains(svFont) && (entry.FontHeight != font->Height() || entry.FontPitch != font->Pitch() ||
                                     entry.FontStyle != font->Style() ||
                                     entry.FontCharset != font->Charset() || entry.FontName != faceName));
    const bool textColorChanged = ValueChanged(
        seen.Contains(svTextColor), current.Contains(svTextColor),
        current.Contains(svTextColor) && ColorToRGB(entry.TextColor) != ColorToRGB(style->TextColor()));

    entry.AssignedValues = current;
    if (current.Contains(svColor)) entry.Color = style->Color();
    if (current.Contains(svFont)) {
        entry.FontHeight = font->Height();
        entry.FontPitch = font->Pitch();
        entry.FontStyle = font->Style();
        entry.FontCharset = font->Charset();
        entry.FontName = faceName;
    }
    if (current.Contains(svTextColor)) entry.TextColor = style->TextColor();

    if (fontChanged)
        Changed(bscLayout);
    else if (colorChanged || textColorChanged)
        Changed(bscRepaint);
}

void TovBarItemStylesData::Changed(TovBarItemStylesChange AKind) {
    if (FLockCount > 0) {
        // A layout covers a repaint: a pending layout is never lowered to a repaint.
        if (FPendingChange == bscNone || AKind == bscLayout) FPendingChange = AKind;
        return;
    }
    OnChange(AKind);
}

template <class F> void TovBarItemStylesData::WithinUpdate(F AWork) {
    if (FLockCount++ == 0) FPendingChange = bscNone;
    try {
        AWork();
    } catch (...) {
        --FLockCount;
        throw;
    }
    // The item hears of the whole notification once, after the lock is released.
    if (--FLockCount > 0 || FPendingChange == bscNone) return;
    const TovBarItemStylesChange change = FPendingChange;
    FPendingChange = bscNone;
    OnChange(change);
}

void TovBarItemStylesData::StyleChanged(TuiCustomStyle* AStyle) {
    WithinUpdate([&] {
        for (int i = 0; i < StyleCount(); ++i)
            if (FEntries[i].Style == AStyle) UpdateStyleData(i);
    });
}

void TovBarItemStylesData::StyleRemoved(TuiCustomStyle* AStyle) {
    WithinUpdate([&] {
        for (int i = 0; i < StyleCount(); ++i)
            if (FEntries[i].Style == AStyle) SetStyle(i, nullptr);
    });
}
