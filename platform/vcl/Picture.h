// TPicture: holds one graphic of any registered class, loads files by their extension through the
// file-format registry, and hands out its graphic as a bitmap or an icon on request.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Persistent.h"
#include "platform/vcl/Graphic.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // A picture or a graphic (copied), or null (emptied).
    void Assign(TPersistent* Source) override;
    void AssignTo(TPersistent* Dest) override;

    // The graphic held (owned), or null.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a copy of the graphic (a new instance of its class that assigns it); null empties.
    void SetGraphic(TGraphic* Value);
    // The graphic as a bitmap: any other graphic is replaced by an empty bitmap first.
    TBitmap* Bitmap();
    void SetBitmap(TBitmap* Value);
    TIcon* Icon();
    int Width() const;
    int Height() const;

    // Loads a file by the class registered for its extension. Raises EInvalidGraphic "Unknown picture
    // file extension (.ext)" for an extension nobody registered; the picture is unchanged on failure.
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName);

    TNotifyEvent OnChange;

    // ---- The file-format registry (bmp and ico are known from the start)
    // Registers (or re-registers) an extension, without the dot, for a graphic class.
    static void RegisterFileFormat(const std::string& AExtension, const std::string& ADescription,
                                   TGraphicClass AGraphicClass);
    // Removes every extension of the class.
    static void UnregisterGraphicClass(TGraphicClass AClass);
    // The class registered for an extension (with or without the dot, any letter case), or null.
    static TGraphicClass FindGraphicClass(const std::string& AExtension);
    // The registered extensions (lower case, without the dot), in the order of registration.
    static std::vector<std::string> RegisteredExtensions();
    // The description registered for an extension, or "".
    static std::string FileFormatDescription(const std::string& AExtension);

protected:
    virtual void Changed(TObject* Sender);

private:
    void TakeGraphic(std::unique_ptr<TGraphic> Graphic);
    std::unique_ptr<TGraphic> FGraphic;
};
