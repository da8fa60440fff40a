// Small helpers of mail composition: content types by file extension, attachment streams, and the
// test for text that needs a transfer encoding.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <memory>
#include <string>
#include <string_view>

class TStream;

// "text/html", "image/gif", ... by the lower-cased extension; "application/octet-stream" otherwise.
std::string FilenameToContentType(std::string_view FileName);
// Opens the file for reading with the given share mode; raises EFOpenError when it cannot.
std::unique_ptr<TStream> OpenFileStream(const std::string& FileName, WORD ShareMode);
// Frees the stream, when there is one, and clears the reference.
void CloseFileStream(std::unique_ptr<TStream>& Stream);
// True when any byte lies outside tab, LF, CR and 32..126.
bool NeedsEncoding(std::string_view Text);
