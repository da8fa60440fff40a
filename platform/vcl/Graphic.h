// TGraphic: the abstract picture (bitmap, icon, or a codec's class) that canvases draw and pictures
// hold: size, emptiness, transparency, a change event, and loading and saving through streams and files.
// A failed load raises (EInvalidGraphic for a damaged image) and leaves the graphic as it was; saving to a
// file replaces the file only once the new one is completely written.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Persistent.h"
#include "platform/rtl/WinTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

class TCanvas;
class TStream;

// The clipboard format of device-independent bitmaps: an info header, colours and rows.
constexpr UINT GraphicClipboardFormatDib = 8;
class TGraphic;

// A class of graphics: what the picture's file-format registry records and creates instances from.
struct TGraphicClassInfo {
    std::string ClassName;
    std::function<TGraphic*()> Create;
};
using TGraphicClass = const TGraphicClassInfo*;

// The class record of a graphic class (one per class, made on first use).
template <class T> TGraphicClass GraphicClassOf() {
    static const TGraphicClassInfo info{TObject::ClassNameOf(typeid(T)),
                                        [] { return static_cast<TGraphic*>(new T()); }};
    return &info;
}

class TGraphic : public TPersistent {
public:
    TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual void SetSize(int AWidth, int AHeight) {
        SetWidth(AWidth);
        SetHeight(AHeight);
    }
    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value);

    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    // Raises EFOpenError when the file cannot be opened; the graphic stays as it was on any failure.
    virtual void LoadFromFile(const std::string& FileName);
    // Raises EFCreateError when the file cannot be written; an existing file is then left untouched.
    virtual void SaveToFile(const std::string& FileName);

    // The form of the graphic inside a component stream (a picture's "Data"); by default the stream form.
    virtual void ReadData(TStream* Stream) { LoadFromStream(Stream); }
    virtual void WriteData(TStream* Stream) { SaveToStream(Stream); }

    // The clipboard form: a format and its bytes. The plain graphic has none (EInvalidGraphic).
    virtual void SaveToClipboardFormat(UINT& AFormat, std::vector<BYTE>& AData);
    virtual void LoadFromClipboardFormat(UINT AFormat, const std::vector<BYTE>& AData);
    // The logical palette of a paletted graphic (none by default); a codec with palettes overrides both.
    virtual HPALETTE Palette() { return nullptr; }
    virtual void SetPalette(HPALETTE Value) {}

    // The class of this graphic, for making another of the same kind.
    virtual TGraphicClass GraphicClass() const = 0;

    TNotifyEvent OnChange;

protected:
    friend class TCanvas;
    // Draws the graphic into Rect of the canvas (stretching when the sizes differ).
    virtual void Draw(TCanvas* ACanvas, const RECT& Rect) = 0;
    // Marks the graphic modified and fires OnChange.
    virtual void Changed(TObject* Sender);

private:
    bool FTransparent = false;
    bool FModified = false;
};
