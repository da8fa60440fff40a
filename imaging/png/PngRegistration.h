// Start-up and shut-down of the PNG codec: the picture class announced for the "PNG" extension.
#pragma once

#include "imaging/picture/FileFormatList.h"

extern const TGraphicClassInfo GraphicClassPngPicture;

// Registers "PNG" ("Portable Network Graphics") for the codec's picture class.
void PngCodecInitialize(TPictureFormatRegistry& Registry);
void PngCodecFinalize(TPictureFormatRegistry& Registry);
