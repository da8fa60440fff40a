#include "imaging/picture/FileFormatList.h"

#include "imaging/picture/PngGraphic.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Icon.h"
#include "platform/vcl/Picture.h"

#include <algorithm>

namespace file_format_detail {
TGraphic* Unavailable(const char* className) {
    throw EInvalidGraphic(std::string("Pictures of class ") + className + " cannot be loaded");
}
} // namespace file_format_detail

TGraphicClass GraphicClassBitmap() {
    return GraphicClassOf<TBitmap>();
}
TGraphicClass GraphicClassIcon() {
    return GraphicClassOf<TIcon>();
}
TGraphicClass GraphicClassMetafile() {
    static const TGraphicClassInfo info{"TMetafile",
                                        [] { return file_format_detail::Unavailable("TMetafile"); }};
    return &info;
}
TGraphicClass GraphicClassJPEGImage() {
    static const TGraphicClassInfo info{"TJPEGImage",
                                        [] { return file_format_detail::Unavailable("TJPEGImage"); }};
    return &info;
}
TGraphicClass GraphicClassPNGGraphic() {
    return GraphicClassOf<TPNGGraphic>();
}

void TPictureClassRegistry::RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                               TGraphicClass Class) {
    TPicture::RegisterFileFormat(Extension, Description, Class);
}

void TPictureClassRegistry::UnregisterGraphicClass(TGraphicClass Class) {
    TPicture::UnregisterGraphicClass(Class);
}

namespace file_format_detail {
bool SameExtension(const std::string& a, const std::string& b) {
    return SameText(a, b);
}
} // namespace file_format_detail

void TPictureFormats::RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                         TGraphicClass Class) {
    for (auto& e : FEntries)
        if (file_format_detail::SameExtension(e.Extension, Extension)) {
            e = Entry{Extension, Description, Class};
            return;
        }
    FEntries.push_back(Entry{Extension, Description, Class});
}

void TPictureFormats::UnregisterGraphicClass(TGraphicClass Class) {
    std::erase_if(FEntries, [&](const Entry& e) { return e.Class == Class; });
}

const TPictureFormats::Entry* TPictureFormats::Find(const std::string& Extension) const {
    for (const auto& e : FEntries)
        if (file_format_detail::SameExtension(e.Extension, Extension)) return &e;
    return nullptr;
}

TFileFormatList::~TFileFormatList() {
    ClearFormats();
}

int TFileFormatList::FindExtension(const std::string& Extension) const {
    if (Extension.empty()) return -1;
    for (std::size_t i = 0; i < FExtensions.size(); ++i)
        if (file_format_detail::SameExtension(FExtensions[i]->Extension, Extension)) return int(i);
    return -1;
}

int TFileFormatList::FindGraphicClass(TGraphicClass Class) const {
    for (std::size_t i = 0; i < FClasses.size(); ++i)
        if (FClasses[i]->GraphicClass == Class) return int(i);
    return -1;
}

TFileFormatList::TClassEntry* TFileFormatList::ClassStep(TGraphicClass Class, const std::string& Common) {
    const int index = FindGraphicClass(Class);
    TClassEntry* entry;
    if (index < 0) {
        FClasses.push_back(std::make_unique<TClassEntry>(TClassEntry{Class, std::string(), 0}));
        entry = FClasses.back().get();
    } else {
        entry = FClasses[std::size_t(index)].get();
    }
    if (!Common.empty()) entry->Description = Common;
    ++entry->Count;
    return entry;
}

void TFileFormatList::DropClassEntry(TClassEntry* Entry) {
    FRegistry.UnregisterGraphicClass(Entry->GraphicClass);
    std::erase_if(FClasses, [&](const auto& c) { return c.get() == Entry; });
}

void TFileFormatList::AddFormat(const std::string& Extension, const std::string& Common,
                                const std::string& Individual, std::uint8_t FormatKind, bool Replace,
                                TGraphicClass Class) {
    if (Extension.empty()) return;
    const int index = FindExtension(Extension);
    TExtensionEntry* ext;
    if (index < 0) {
        FExtensions.push_back(
            std::make_unique<TExtensionEntry>(TExtensionEntry{Extension, Individual, FormatKind, nullptr}));
        ext = FExtensions.back().get();
        ext->ClassEntry = ClassStep(Class, Common);
    } else {
        if (!Replace) throw EInvalidGraphic("Attempt to register " + Extension + " twice.");
        ext = FExtensions[std::size_t(index)].get();
        TClassEntry* old = ext->ClassEntry;
        if (old->GraphicClass != Class) {
            ext->ClassEntry = ClassStep(Class, Common);
            if (--old->Count <= 0) std::erase_if(FClasses, [&](const auto& c) { return c.get() == old; });
        }
    }
    const std::string description =
        ext->Description.empty() ? ext->ClassEntry->Description : ext->Description;
    FRegistry.RegisterFileFormat(ext->Extension, description, Class);
}

void TFileFormatList::RemoveFormat(const std::string& Extension, TGraphicClass Class) {
    if (!Extension.empty()) {
        const int index = FindExtension(Extension);
        if (index < 0) return;
        TExtensionEntry* ext = FExtensions[std::size_t(index)].get();
        TClassEntry* entry = ext->ClassEntry;
        FExtensions.erase(FExtensions.begin() + index);
        if (--entry->Count <= 0) DropClassEntry(entry);
        return;
    }
    const int classIndex = FindGraphicClass(Class);
    if (classIndex < 0) return;
    TClassEntry* entry = FClasses[std::size_t(classIndex)].get();
    for (int i = int(FExtensions.size()) - 1; i >= 0 && entry->Count > 0; --i)
        if (FExtensions[std::size_t(i)]->ClassEntry == entry) {
            FExtensions.erase(FExtensions.begin() + i);
            --entry->Count;
        }
    DropClassEntry(entry);
}

void TFileFormatList::ClearFormats() {
    for (const auto& c : FClasses)
        FRegistry.UnregisterGraphicClass(c->GraphicClass);
    FClasses.clear();
    FExtensions.clear();
}

namespace file_format_detail {
// The list lives from PicLibInitialize to PicLibFinalize only. A program that ends without the shut-down
// leaves it to the system: destroyed among the statics at exit it would unregister its classes from a
// picture registry that may be gone already (the class library's is made on first use, after this).
TFileFormatList* List = nullptr;
} // namespace file_format_detail

void PicLibInitialize(TPictureFormatRegistry& Registry) {
    TFileFormatList*& list = file_format_detail::List;
    delete list;
    list = new TFileFormatList(Registry);
    list->AddFormat("bmp", "Windows bitmaps", "", fkRaster, false, GraphicClassBitmap());
    list->AddFormat("ico", "Windows icons", "", fkRaster, false, GraphicClassIcon());
    list->AddFormat("wmf", "Windows metafiles", "", fkVector, false, GraphicClassMetafile());
    list->AddFormat("emf", "Windows metafiles", "Windows enhanced meta files", fkVector, false,
                    GraphicClassMetafile());
    list->AddFormat("jfif", "JPG images", "JFIF images", fkRaster, false, GraphicClassJPEGImage());
    list->AddFormat("jpg", "", "JPG images", fkRaster, false, GraphicClassJPEGImage());
    list->AddFormat("jpe", "", "JPE images", fkRaster, false, GraphicClassJPEGImage());
    list->AddFormat("jpeg", "", "JPEG images", fkRaster, false, GraphicClassJPEGImage());
    list->AddFormat("rle", "Windows bitmaps", "Run length encoded Windows bitmaps", fkRaster, false,
                    GraphicClassBitmap());
    list->AddFormat("dib", "", "Device independant Windows bitmaps", fkRaster, false, GraphicClassBitmap());
    list->AddFormat("png", "Portable network graphic images", "", fkRaster, false, GraphicClassPNGGraphic());
}

void PicLibInitialize() {
    static TPictureClassRegistry registry;
    PicLibInitialize(registry);
}

void PicLibFinalize() {
    TFileFormatList*& list = file_format_detail::List;
    if (!list) return;
    list->RemoveFormat("rle", GraphicClassBitmap());
    list->RemoveFormat("dib", GraphicClassBitmap());
    list->RemoveFormat("", GraphicClassPNGGraphic());
    delete list;
    list = nullptr;
}

TFileFormatList* FileFormatList() {
    return file_format_detail::List;
}
