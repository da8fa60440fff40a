#include "platform/vcl/Graphic.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileStream.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/MemoryStream.h"

#include <cerrno>
#include <cstring>

void TGraphic::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    Changed(this);
}

void TGraphic::SetModified(bool Value) {
    if (Value)
        Changed(this);
    else
        FModified = false;
}

void TGraphic::Changed(TObject* Sender) {
    FModified = true;
    OnChange(this);
}

void TGraphic::SaveToClipboardFormat(UINT& AFormat, std::vector<BYTE>& AData) {
    throw EInvalidGraphic("Clipboard does not support " + ClassName());
}

void TGraphic::LoadFromClipboardFormat(UINT AFormat, const std::vector<BYTE>& AData) {
    throw EInvalidGraphic("Unsupported clipboard format");
}

void TGraphic::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const std::string& FileName) {
    TMemoryStream memory;
    SaveToStream(&memory);
    const std::string_view bytes(static_cast<const char*>(memory.Memory()),
                                 static_cast<std::size_t>(memory.Size()));
    if (!WriteFileAtomically(FileName, bytes))
        throw EFCreateError("Cannot create file \"" + FileName + "\". " + std::strerror(errno ? errno : EIO));
}
