// The registry of the picture formats the library knows, by file extension, announced to the
// platform's picture-format registry.
#pragma once

#include "platform/vcl/Graphic.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The classes of the library's registrations. Metafiles and JPEG images have no class here: theirs
// refuse to be made (EInvalidGraphic), so a picture of that kind fails to load with a clear message.
TGraphicClass GraphicClassBitmap();
TGraphicClass GraphicClassIcon();
TGraphicClass GraphicClassMetafile();
TGraphicClass GraphicClassJPEGImage();
TGraphicClass GraphicClassPNGGraphic();

// What the list needs of the platform's picture registry.
class TPictureFormatRegistry {
public:
    virtual ~TPictureFormatRegistry() = default;
    virtual void RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                    TGraphicClass Class) = 0;
    virtual void UnregisterGraphicClass(TGraphicClass Class) = 0;
};

// The class library's picture registry (TPicture's file formats).
class TPictureClassRegistry : public TPictureFormatRegistry {
public:
    void RegisterFileFormat(const std::string& Extension, const std::string& Description,
                            TGraphicClass Class) override;
    void UnregisterGraphicClass(TGraphicClass Class) override;
};

// A picture registry held in memory: extension → description and class.
class TPictureFormats : public TPictureFormatRegistry {
public:
    struct Entry {
        std::string Extension;
        std::string Description;
        TGraphicClass Class;
    };
    void RegisterFileFormat(const std::string& Extension, const std::string& Description,
                            TGraphicClass Class) override;
    void UnregisterGraphicClass(TGraphicClass Class) override;
    // nil when the extension is not registered (case-insensitive).
    const Entry* Find(const std::string& Extension) const;
    const std::vector<Entry>& Entries() const { return FEntries; }

private:
    std::vector<Entry> FEntries;
};

enum TFormatKind : std::uint8_t { fkRaster = 8, fkVector = 16 };

class TFileFormatList {
public:
    struct TClassEntry {
        TGraphicClass GraphicClass;
        std::string Description;
        int Count = 0;
    };
    struct TExtensionEntry {
        std::string Extension;
        std::string Description;
        std::uint8_t FormatKind = 0;
        TClassEntry* ClassEntry = nullptr;
    };

    explicit TFileFormatList(TPictureFormatRegistry& Registry) : FRegistry(Registry) {}
    ~TFileFormatList();
    TFileFormatList(const TFileFormatList&) = delete;
    TFileFormatList& operator=(const TFileFormatList&) = delete;

    // EInvalidGraphic "Attempt to register %s twice." for a known extension without Replace.
    void AddFormat(const std::string& Extension, const std::string& Common, const std::string& Individual,
                   std::uint8_t FormatKind, bool Replace, TGraphicClass Class);
    void RemoveFormat(const std::string& Extension, TGraphicClass Class);
    int FindExtension(const std::string& Extension) const;
    int FindGraphicClass(TGraphicClass Class) const;
    void ClearFormats();

    const std::vector<std::unique_ptr<TClassEntry>>& ClassEntries() const { return FClasses; }
    const std::vector<std::unique_ptr<TExtensionEntry>>& ExtensionEntries() const { return FExtensions; }

private:
    TClassEntry* ClassStep(TGraphicClass Class, const std::string& Common);
    void DropClassEntry(TClassEntry* Entry);

    TPictureFormatRegistry& FRegistry;
    std::vector<std::unique_ptr<TClassEntry>> FClasses;
    std::vector<std::unique_ptr<TExtensionEntry>> FExtensions;
};

// The library's start-up: the one format list, with the formats of the program registered; and its
// shut-down, which removes them again. FileFormatList is nil outside the two.
void PicLibInitialize(TPictureFormatRegistry& Registry);
// The same, announcing to the class library's picture registry.
void PicLibInitialize();
void PicLibFinalize();
TFileFormatList* FileFormatList();
