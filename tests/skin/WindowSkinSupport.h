// Helpers of the checks of our own skins and button pictures: the embedded resources as the program
// finds them, the windows' stored skins made from them, and a fresh run of the generator to compare.
#pragma once

#include "skin/data/CompressedSkin.h"

#include <memory>
#include <string>

namespace windowskins {

// Registers the resources embedded in the test program (once).
void RegisterEmbedded();
// The bytes of an embedded resource; a failed expectation and an empty string when there is none.
std::string Embedded(const std::string& Type, const std::string& Name);

// A stored skin whose packed bytes are read from the embedded "SKIN" resource, as a form reads its
// "CompressedData".
std::unique_ptr<TskCompressedStoredSkin> StoredSkin(const std::string& Name);

// A folder below the scratch folder into which the generator has written everything once more.
const std::string& FreshGeneratorRun();
// A file of a folder, whole.
std::string FileBytes(const std::string& Path);

} // namespace windowskins
