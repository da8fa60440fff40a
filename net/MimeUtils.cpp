#include "net/MimeUtils.h"

#include "platform/rtl/FileStream.h"
#include "platform/rtl/StrUtils.h"

std::string FilenameToContentType(std::string_view FileName) {
    const auto dot = FileName.rfind('.');
    const auto slash = FileName.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return "application/octet-stream";
    const std::string ext = LowerCase(FileName.substr(dot + 1));
    if (ext == "htm" || ext == "html") return "text/html";
    if (ext == "gif") return "image/gif";
    if (ext == "bmp") return "image/bmp";
    if (ext == "jpg" || ext == "jpeg") return "image/jpeg";
    if (ext == "txt") return "text/plain";
    return "application/octet-stream";
}

std::unique_ptr<TStream> OpenFileStream(const std::string& FileName, WORD ShareMode) {
    return std::make_unique<TFileStream>(FileName, static_cast<WORD>(fmOpenRead | ShareMode));
}

void CloseFileStream(std::unique_ptr<TStream>& Stream) {
    Stream.reset();
}

bool NeedsEncoding(std::string_view Text) {
    for (char ch : Text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\t' || c == '\n' || c == '\r') continue;
        if (c < 32 || c > 126) return true;
    }
    return false;
}
