// The stream records of the skin element model, one reader and one writer per class, kept together so
// that the format can be read in one place. Readers follow the version rules of TovSkinStreamVersion;
// writers always write the newest layout.
#include "platform/rtl/Exceptions.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Finally.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/core/skins/SkinBorders.h"
#include "ui/core/skins/SkinDetails.h"
#include "ui/core/skins/SkinElement.h"
#include "ui/core/skins/SkinImage.h"
#include "ui/core/skins/SkinProperties.h"
#include "ui/core/skins/SkinStream.h"

#include <algorithm>

// ---- Values of properties

void TovSkinIntegerProperty::DataRead(TStream* AStream, double AVersion) {
    SetValue(ReadIntegerFromStream(AStream));
}

void TovSkinIntegerProperty::DataWrite(TStream* AStream) {
    ovWriteIntegerToStream(AStream, Value());
}

void TovSkinBooleanProperty::DataRead(TStream* AStream, double AVersion) {
    SetValue(ReadByteFromStream(AStream) != 0);
}

void TovSkinBooleanProperty::DataWrite(TStream* AStream) {
    WriteByteToStream(AStream, Value() ? 1 : 0);
}

void TovSkinColor::DataRead(TStream* AStream, double AVersion) {
    SetValue(ReadIntegerFromStream(AStream));
}

void TovSkinColor::DataWrite(TStream* AStream) {
    ovWriteIntegerToStream(AStream, Value());
}

void TovSkinRectProperty::DataRead(TStream* AStream, double AVersion) {
    FValue->LoadFromStream(AStream);
}

void TovSkinRectProperty::DataWrite(TStream* AStream) {
    FValue->SaveToStream(AStream);
}

void TovSkinSizeProperty::DataRead(TStream* AStream, double AVersion) {
    const int cx = ReadIntegerFromStream(AStream);
    const int cy = ReadIntegerFromStream(AStream);
    SetValue(TSize{cx, cy});
}

void TovSkinSizeProperty::DataWrite(TStream* AStream) {
    ovWriteIntegerToStream(AStream, Value().cx);
    ovWriteIntegerToStream(AStream, Value().cy);
}

void TovSkinStringProperty::DataRead(TStream* AStream, double AVersion) {
    SetValue(ReadStringFromStream(AStream));
}

void TovSkinStringProperty::DataWrite(TStream* AStream) {
    WriteStringToStream(AStream, Value());
}

void TovSkinWideStringProperty::DataRead(TStream* AStream, double AVersion) {
    SetValue(ReadWideStringFromStream(AStream));
}

void TovSkinWideStringProperty::DataWrite(TStream* AStream) {
    WriteWideStringToStream(AStream, Value());
}

// ---- Borders and alternate image attributes

void TovSkinBorder::DataRead(TStream* AStream, double AVersion) {
    SetColor(ReadIntegerFromStream(AStream));
    FThin = ReadIntegerFromStream(AStream);
}

void TovSkinBorder::DataWrite(TStream* AStream) {
    ovWriteIntegerToStream(AStream, FColor);
    ovWriteIntegerToStream(AStream, FThin);
}

void TovSkinBorders::DataRead(TStream* AStream, double AVersion) {
    const TovSkinStreamVersion version(AVersion);
    for (auto& border : FBorders) {
        if (version.HasLegacyBorderStrings()) {
            ReadStringFromStream(AStream);
            ReadStringFromStream(AStream);
        }
        border->DataRead(AStream, AVersion);
    }
}

void TovSkinBorders::DataWrite(TStream* AStream) {
    for (auto& border : FBorders)
        border->DataWrite(AStream);
}

void TovSkinAlternateImageAttributes::DataRead(TStream* AStream, double AVersion) {
    SetAlpha(ReadByteFromStream(AStream));
    SetGradient(static_cast<TovSkinGradientMode>(ReadOrdinalFromStream(AStream, 4)));
    SetGradientBeginColor(ReadIntegerFromStream(AStream));
    SetGradientEndColor(ReadIntegerFromStream(AStream));
    FBorders->DataRead(AStream, AVersion);
    FBordersInner->DataRead(AStream, AVersion);
    FContentOffsets->LoadFromStream(AStream);
}

void TovSkinAlternateImageAttributes::DataWrite(TStream* AStream) {
    WriteByteToStream(AStream, FAlpha);
    WriteByteToStream(AStream, FGradient);
    ovWriteIntegerToStream(AStream, FGradientBeginColor);
    ovWriteIntegerToStream(AStream, FGradientEndColor);
    FBorders->DataWrite(AStream);
    FBordersInner->DataWrite(AStream);
    FContentOffsets->SaveToStream(AStream);
}

// ---- Lists

void TovSkinProperties::DataRead(TStream* AStream, double AVersion) {
    ovSkinUpdate(this, [&] {
        const std::int32_t count = ReadIntegerFromStream(AStream);
        ovCheckStreamBytesLeft(AStream, count);
        for (std::int32_t i = 0; i < count; ++i) {
            const std::string className = ReadStringFromStream(AStream);
            const std::string name = ReadStringFromStream(AStream);
            // Only the property classes are made from a stored name, whatever else the program knows.
            TovSkinObjectClass propertyClass = ovFindSkinPropertyClass(className);
            if (propertyClass == nullptr) throw EClassNotFound("Class " + className + " not found");
            Add(name, propertyClass)->DataRead(AStream, AVersion);
        }
    });
}

void TovSkinProperties::DataWrite(TStream* AStream) {
    ovWriteIntegerToStream(AStream, Count());
    for (int i = 0; i < Count(); ++i) {
        TovSkinProperty* item = Items(i);
        WriteStringToStream(AStream, item->SkinClass()->ClassName);
        WriteStringToStream(AStream, item->Name());
        item->DataWrite(AStream);
    }
}

void TovSkinElements::DataRead(TStream* AStream, double AVersion) {
    const std::int32_t count = ReadIntegerFromStream(AStream);
    ovCheckStreamBytesLeft(AStream, count);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string name = ReadStringFromStream(AStream);
        Add(name)->DataRead(AStream, AVersion);
    }
}

void TovSkinElements::DataWrite(TStream* AStream) {
    ovWriteIntegerToStream(AStream, Count());
    for (int i = 0; i < Count(); ++i) {
        WriteStringToStream(AStream, Items(i)->Name());
        Items(i)->DataWrite(AStream);
    }
}

// ---- Images, elements and groups

void TovSkinImage::DataRead(TStream* AStream, double AVersion) {
    const TovSkinStreamVersion version(AVersion);
    // The fields are read straight in: nobody hears of the record, and the cells are computed anew.
    const TNotifyEvent marginsHandler = FMargins->OnChange, textureHandler = FTexture->OnChange;
    FMargins->OnChange = nullptr;
    FTexture->OnChange = nullptr;
    const TovFinally reconnect([&] {
        FMargins->OnChange = marginsHandler;
        FTexture->OnChange = textureHandler;
        FImageCount = std::max(FImageCount, 1);
        FDirty = true;
    });
    FImageCount = FOwner != nullptr ? FOwner->LegacyImageCount() : 1;
    FMargins->LoadFromStream(AStream);
    FImageLayout = static_cast<TovSkinImageLayout>(ReadOrdinalFromStream(AStream, 2));
    if (version.HasImageCount()) FImageCount = ReadIntegerFromStream(AStream);
    FStates = ovSkinStatesFromWord(ReadWordFromStream(AStream));
    FStretch = static_cast<TovSkinStretchMode>(ReadOrdinalFromStream(AStream, 3));
    if (version.HasImageGradient()) {
        FGradientBeginColor = ReadIntegerFromStream(AStream);
        FGradientEndColor = ReadIntegerFromStream(AStream);
        FGradient = static_cast<TovSkinGradientMode>(ReadOrdinalFromStream(AStream, 4));
    }
    ReadImageFromStream(AStream, FTexture.get());
}

void TovSkinImage::DataWrite(TStream* AStream) {
    FMargins->SaveToStream(AStream);
    WriteByteToStream(AStream, FImageLayout);
    ovWriteIntegerToStream(AStream, FImageCount);
    WriteWordToStream(AStream, ovSkinStatesToWord(FStates));
    WriteByteToStream(AStream, FStretch);
    ovWriteIntegerToStream(AStream, FGradientBeginColor);
    ovWriteIntegerToStream(AStream, FGradientEndColor);
    WriteByteToStream(AStream, FGradient);
    WriteImageToStream(AStream, FTexture.get());
}

void TovSkinElement::DataRead(TStream* AStream, double AVersion) {
    const TovSkinStreamVersion version(AVersion);
    SetColor(ReadIntegerFromStream(AStream));
    FAlpha = ReadByteFromStream(AStream);
    if (version.HasElementImageCount()) FLegacyImageCount = ReadIntegerFromStream(AStream);
    FContentOffset->LoadFromStream(AStream);
    FGlyph->DataRead(AStream, AVersion);
    FImage->DataRead(AStream, AVersion);
    FBorders->DataRead(AStream, AVersion);
    FTextColor = ReadIntegerFromStream(AStream);
    FMinSize->LoadFromStream(AStream);
    Properties()->DataRead(AStream, AVersion);
}

void TovSkinElement::DataWrite(TStream* AStream) {
    ovWriteIntegerToStream(AStream, FColor);
    WriteByteToStream(AStream, FAlpha);
    FContentOffset->SaveToStream(AStream);
    FGlyph->DataWrite(AStream);
    FImage->DataWrite(AStream);
    FBorders->DataWrite(AStream);
    ovWriteIntegerToStream(AStream, FTextColor);
    FMinSize->SaveToStream(AStream);
    Properties()->DataWrite(AStream);
}

void TovSkinControlGroup::DataRead(TStream* AStream, double AVersion) {
    FElements->DataRead(AStream, AVersion);
    Properties()->DataRead(AStream, AVersion);
}

void TovSkinControlGroup::DataWrite(TStream* AStream) {
    WriteStringToStream(AStream, Name());
    FElements->DataWrite(AStream);
    Properties()->DataWrite(AStream);
}

// ---- Details

void TovSkinDetails::DataRead(TStream* AStream, double AVersion) {
    const TovSkinStreamVersion version(AVersion);
    ovSkinUpdate(this, [&] {
        Clear();
        SetName(ReadStringFromStream(AStream));
        if (version.HasDetailsTexts()) {
            SetDisplayName(ReadStringFromStream(AStream));
            SetGroupName(ReadStringFromStream(AStream));
            SetNotes(ReadWideStringFromStream(AStream));
            ReadImageFromStream(AStream, FIcons[0].get());
            ReadImageFromStream(AStream, FIcons[1].get());
        }
        for (int i = 0; i < 2; ++i)
            if (FIcons[i]->Empty()) LoadDefaultIcon(i);
    });
}

void TovSkinDetails::DataWrite(TStream* AStream) {
    WriteStringToStream(AStream, FName);
    WriteStringToStream(AStream, FDisplayName);
    WriteStringToStream(AStream, FGroupName);
    WriteWideStringToStream(AStream, FNotes);
    WriteImageToStream(AStream, FIcons[0].get());
    WriteImageToStream(AStream, FIcons[1].get());
}
