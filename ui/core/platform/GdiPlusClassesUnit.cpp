#include "ui/core/platform/GdiPlusClassesUnit.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/vcl/Picture.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/core/platform/GdiPlusCanvas.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/core/platform/GdiPlusImage.h"

#include <string>

namespace gdiplus_classes_unit_detail {
bool Registered = false;
// What held the "PNG" extension before: the picture formats keep one class per extension.
TGraphicClass PreviousPngClass = nullptr;
std::string PreviousPngDescription;
} // namespace gdiplus_classes_unit_detail

void ovGdiPlusClassesStart() {
    using namespace gdiplus_classes_unit_detail;
    if (Registered || !CheckGdiPlus(false)) return;
    ovGpInitEncoders();
    RegisterClasses<TovPNGImage, TovSmartImage>();
    PreviousPngClass = TPicture::FindGraphicClass("PNG");
    PreviousPngDescription = TPicture::FileFormatDescription("PNG");
    TPicture::RegisterFileFormat("PNG", "Portable Network Graphics (alpha)", GraphicClassOf<TovPNGImage>());
    TPicture::RegisterFileFormat("TIF;*.GIF;*.BMP;*.JPG;*.JPEG", "All graphics",
                                 GraphicClassOf<TovSmartImage>());
    Registered = true;
}

void ovGdiPlusClassesEnd() {
    using namespace gdiplus_classes_unit_detail;
    ovFreeGpAlphaBlendAttributes();
    ovFreeSharedGpPaintCanvas();
    if (!Registered) return;
    Registered = false;
    TPicture::UnregisterGraphicClass(GraphicClassOf<TovPNGImage>());
    TPicture::UnregisterGraphicClass(GraphicClassOf<TovSmartImage>());
    if (PreviousPngClass != nullptr && PreviousPngClass != GraphicClassOf<TovPNGImage>())
        TPicture::RegisterFileFormat("PNG", PreviousPngDescription, PreviousPngClass);
    PreviousPngClass = nullptr;
    UnRegisterClass<TovSmartImage>();
    UnRegisterClass<TovPNGImage>();
}
