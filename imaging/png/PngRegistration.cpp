#include "imaging/png/PngRegistration.h"

#include "imaging/png/PngPicture.h"
#include "platform/vcl/Picture.h"

void PngCodecInitialize() {
    PngCodecChunkClasses(); // the chunk-class list exists before the first image is read
    TPicture::RegisterFileFormat("png", "Portable Network Graphics", GraphicClassOf<TPngPicture>());
}

void PngCodecFinalize() {
    TPicture::UnregisterGraphicClass(GraphicClassOf<TPngPicture>());
}
