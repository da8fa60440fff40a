// Rectangles, sizes and margins as owned, streamable property objects that announce their changes.
// Streams hold the values as little-endian Int32s without a header: a rectangle or margins as left,
// top, right, bottom (16 bytes), a size as cx, cy (8 bytes).
#pragma once

#include "platform/rtl/Stream.h"
#include "platform/rtl/WinTypes.h"
#include "ui/core/base/CoreClasses.h"

class TuiGeometryObject : public TuiOwnedPersistent {
public:
    using TuiOwnedPersistent::TuiOwnedPersistent;
    virtual void LoadFromStream(TStream* AStream) {}
    virtual void SaveToStream(TStream* AStream) {}
    TNotifyEvent OnChange;

protected:
    virtual void DoChange();
};

class TuiRect : public TuiGeometryObject {
public:
    explicit TuiRect(TPersistent* AOwner = nullptr) : TuiGeometryObject(AOwner) {}
    const TRect& Rect() const { return FRectValue; }
    void SetRect(const TRect& ARect);
    bool IsEqual(const TuiRect* ARect) const { return ARect != nullptr && ARect->FRectValue == FRectValue; }
    bool IsEqualRect(const TRect& ARect) const { return ARect == FRectValue; }
    // 0 Left, 1 Top, 2 Right, any other index Bottom.
    int GetValue(int AIndex) const;
    void SetValue(int AIndex, int AValue);
    int Left() const { return GetValue(0); }
    int Top() const { return GetValue(1); }
    int Right() const { return GetValue(2); }
    int Bottom() const { return GetValue(3); }
    void LoadFromStream(TStream* AStream) override;
    void SaveToStream(TStream* AStream) override;

protected:
    // A descendant may correct a new value before it is stored.
    virtual void AdjustRect(TRect& ARect) {}
    void DoAssign(TPersistent* Source) override;
    bool IsOfMyClass(TPersistent* Source) const override;

    TRect FRectValue{};
};

class TuiSize : public TuiGeometryObject {
public:
    explicit TuiSize(TPersistent* AOwner = nullptr) : TuiGeometryObject(AOwner) {}
    TSize GetSize() const { return FSizeValue; }
    // Negative members become 0.
    virtual void SetSize(const TSize& ASize);
    bool IsEqual(const TuiSize* ASize) const { return ASize != nullptr && ASize->FSizeValue == FSizeValue; }
    bool IsEqualSize(const TSize& ASize) const { return ASize == FSizeValue; }
    // 0 Height, 1 Width.
    virtual int GetValue(int AIndex) const;
    void SetValue(int AIndex, int AValue);
    virtual bool IsValueStored(int AIndex) const;
    int Height() const { return GetValue(0); }
    int Width() const { return GetValue(1); }
    void SetHeight(int AValue) { SetValue(0, AValue); }
    void SetWidth(int AValue) { SetValue(1, AValue); }
    void LoadFromStream(TStream* AStream) override;
    void SaveToStream(TStream* AStream) override;

protected:
    void DoAssign(TPersistent* Source) override;
    bool IsOfMyClass(TPersistent* Source) const override;

    TSize FSizeValue{};
};

class TuiMargin : public TuiGeometryObject {
public:
    TuiMargin(TPersistent* AOwner, int ADefaultValue);
    const TRect& Margin() const { return FSides; }
    void SetMargin(const TRect& AMargin);
    bool IsEqual(const TuiMargin* AMargin) const { return AMargin != nullptr && AMargin->FSides == FSides; }
    // 0 All (the common value, -1 when the sides differ), 1 Left, 2 Top, 3 Right, 4 Bottom.
    int GetValue(int AIndex) const;
    void SetValue(int AIndex, int AValue);
    bool IsValueStored(int AIndex) const;
    int All() const { return GetValue(0); }
    void SetAll(int AValue) { SetValue(0, AValue); }
    int DefaultAll() const { return FDefaultAll; }
    void LoadFromStream(TStream* AStream) override;
    void SaveToStream(TStream* AStream) override;

protected:
    void DoAssign(TPersistent* Source) override;
    bool IsOfMyClass(TPersistent* Source) const override;

    TRect FSides{};
    int FDefaultAll;
};

// Registers the geometry object classes for streaming, and withdraws them.
void uiRegisterGeometryClasses();
void uiUnregisterGeometryClasses();
