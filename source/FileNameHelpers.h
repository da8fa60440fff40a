// Path and file-name routines shared by the windows: folder separators, extensions, free output names
// and names cleaned of characters that file names must not hold.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// The path with a folder separator ("/") at its end, added only when missing. An empty path stays
// empty: it names no folder, and a lone separator would turn it into the root folder.
std::string AddTrailingBackslash(const std::string& path);

// True when the extension (with its dot, any letter case) is one of the sixteen sound-file types
// the program opens: .wav .mp3 .mp2 .mpga .wma .ogg .cda .vox .raw .g721 .g723 .g726 .aif .aiff
// .aifc .mpc.
bool IsSupportedAudioExt(std::string_view extension);

// The extension of the file-name part of a path, with its dot, or empty when it has none. A dot in
// a folder name, or the leading dot of a hidden file's name, starts no extension.
std::string ExtractFileExtension(const std::string& path);

// The path without the extension of its file-name part.
std::string StripExtension(const std::string& path);

// `folder` + `name` when no such entry exists, else the first free "stem(i).ext" for i = 1, 2, ...
// The result never names an existing file, folder or link.
std::string UniqueFileName(const std::string& name, const std::string& folder);
// The same search with the existence test given by the caller.
std::string UniqueFileName(const std::string& name, const std::string& folder,
                           const std::function<bool(const std::string& path)>& exists);

// Every character not allowed in file names (\ / : * ? " < > |) replaced by `replacement`. The
// replacement text itself is not scanned again.
std::string CleanFileName(std::string_view text, std::string_view replacement);

// The 1-based position of the first blank, or the text's length when it has none.
int FirstSpacePosition(std::string_view text);
