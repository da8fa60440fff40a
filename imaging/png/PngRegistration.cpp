#include "imaging/png/PngRegistration.h"

#include "imaging/png/PngPicture.h"

const TGraphicClassInfo GraphicClassPngPicture{"TPngPicture"};

void PngCodecInitialize(TPictureFormatRegistry& Registry) {
    PngCodecChunkClasses(); // the chunk-class list exists before the first image is read
    Registry.RegisterFileFormat("PNG", "Portable Network Graphics", &GraphicClassPngPicture);
}

void PngCodecFinalize(TPictureFormatRegistry& Registry) {
    Registry.UnregisterGraphicClass(&GraphicClassPngPicture);
}
