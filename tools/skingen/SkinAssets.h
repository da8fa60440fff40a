// Everything the generator makes, written into one folder of the build tree:
//   - per skin its text "<base>.txt" (CR LF lines), its picture "<base>.bmp" (24 bits, bottom-up,
//     uncompressed) and its packed bytes "<RESOURCE>.skin" (what the form keeps as "CompressedData");
//   - per button picture "<RESOURCE>.bmp" or "<RESOURCE>.png", named as in SkinResourceNames.h.
// The same sources always give the same bytes.
#pragma once

#include <string>
#include <vector>

namespace skingen {

// The file names WriteSkinAssets writes, in the order it writes them.
std::vector<std::string> SkinAssetFileNames();

// Checks both skins (ESkinCheck names the problem), then writes every file into Folder (made when
// missing), each one completely or not at all. Raises std::runtime_error when a file cannot be written.
void WriteSkinAssets(const std::string& Folder);

} // namespace skingen
