#include "platform/vcl/Picture.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Icon.h"

#include <algorithm>
#include <cctype>

namespace picture_detail {

struct TFileFormat {
    std::string Extension; // lower case, no dot
    std::string Description;
    TGraphicClass GraphicClass;
};

std::string NormalExtension(std::string extension) {
    if (!extension.empty() && extension[0] == '.') extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::vector<TFileFormat>& Formats() {
    static std::vector<TFileFormat> formats = {{"bmp", "Bitmaps", GraphicClassOf<TBitmap>()},
                                               {"ico", "Icons", GraphicClassOf<TIcon>()}};
    return formats;
}

const TFileFormat* Find(const std::string& extension) {
    const std::string wanted = NormalExtension(extension);
    for (const TFileFormat& format : Formats())
        if (format.Extension == wanted) return &format;
    return nullptr;
}

} // namespace picture_detail

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::RegisterFileFormat(const std::string& AExtension, const std::string& ADescription,
                                  TGraphicClass AGraphicClass) {
    // A list in the form of a file filter ("TIF;*.GIF") registers each of its extensions.
    if (const auto semicolon = AExtension.find(';'); semicolon != std::string::npos) {
        RegisterFileFormat(AExtension.substr(0, semicolon), ADescription, AGraphicClass);
        RegisterFileFormat(AExtension.substr(semicolon + 1), ADescription, AGraphicClass);
        return;
    }
    std::string extension = picture_detail::NormalExtension(AExtension);
    if (extension.rfind("*.", 0) == 0) extension.erase(0, 2);
    if (extension.empty() || AGraphicClass == nullptr) return;
    auto& formats = picture_detail::Formats();
    for (auto& format : formats)
        if (format.Extension == extension) {
            format.Description = ADescription;
            format.GraphicClass = AGraphicClass;
            return;
        }
    formats.push_back({extension, ADescription, AGraphicClass});
}

void TPicture::UnregisterGraphicClass(TGraphicClass AClass) {
    auto& formats = picture_detail::Formats();
    std::erase_if(formats,
                  [AClass](const picture_detail::TFileFormat& f) { return f.GraphicClass == AClass; });
}

std::vector<std::string> TPicture::RegisteredExtensions() {
    std::vector<std::string> extensions;
    for (const auto& format : picture_detail::Formats())
        extensions.push_back(format.Extension);
    return extensions;
}

TGraphicClass TPicture::FindGraphicClass(const std::string& AExtension) {
    const auto* format = picture_detail::Find(AExtension);
    return format ? format->GraphicClass : nullptr;
}

std::string TPicture::FileFormatDescription(const std::string& AExtension) {
    const auto* format = picture_detail::Find(AExtension);
    return format ? format->Description : std::string();
}

void TPicture::Changed(TObject* Sender) {
    OnChange(this);
}

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> Graphic) {
    FGraphic = std::move(Graphic);
    if (FGraphic) FGraphic->OnChange = TNotifyEvent(this, &TPicture::Changed);
    Changed(this);
}

void TPicture::SetGraphic(TGraphic* Value) {
    if (Value == FGraphic.get() && Value != nullptr) return;
    std::unique_ptr<TGraphic> copy;
    if (Value != nullptr) {
        copy.reset(Value->GraphicClass()->Create());
        copy->Assign(Value);
    }
    TakeGraphic(std::move(copy));
}

void TPicture::SetBitmap(TBitmap* Value) {
    SetGraphic(Value);
}

TBitmap* TPicture::Bitmap() {
    if (dynamic_cast<TBitmap*>(FGraphic.get()) == nullptr) TakeGraphic(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(FGraphic.get());
}

TIcon* TPicture::Icon() {
    if (dynamic_cast<TIcon*>(FGraphic.get()) == nullptr) TakeGraphic(std::make_unique<TIcon>());
    return static_cast<TIcon*>(FGraphic.get());
}

int TPicture::Width() const {
    return FGraphic ? FGraphic->Width() : 0;
}

int TPicture::Height() const {
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::LoadFromFile(const std::string& FileName) {
    const std::size_t slash = FileName.find_last_of('/');
    const std::size_t dot = FileName.find_last_of('.');
    const std::string extension = dot == std::string::npos || (slash != std::string::npos && dot < slash)
                                      ? ""
                                      : FileName.substr(dot + 1);
    TGraphicClass graphicClass = FindGraphicClass(extension);
    if (graphicClass == nullptr) throw EInvalidGraphic(Format(SUnknownExtension, {extension}));
    std::unique_ptr<TGraphic> graphic(graphicClass->Create());
    graphic->LoadFromFile(FileName); // raises before anything here changes
    TakeGraphic(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& FileName) {
    if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::Assign(TPersistent* Source) {
    if (Source == nullptr) {
        TakeGraphic(nullptr);
    } else if (auto* picture = dynamic_cast<TPicture*>(Source)) {
        if (picture != this) SetGraphic(picture->Graphic());
    } else if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(Source);
    }
}

void TPicture::AssignTo(TPersistent* Dest) {
    if (FGraphic && dynamic_cast<TGraphic*>(Dest) != nullptr) {
        Dest->Assign(FGraphic.get());
        return;
    }
    TPersistent::AssignTo(Dest);
}
