#include "ui/core/platform/GdiPlusClassesUnit.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/vcl/Picture.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/core/platform/GdiPlusCanvas.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/core/platform/GdiPlusImage.h"

#include <string>
#include <vector>

namespace gdiplus_classes_unit_detail {
bool Registered = false;
// What held each extension before: the picture formats keep one class per extension, and the earlier
// ones come back when the unit ends.
struct TPreviousFormat {
    std::string Extension, Description;
    TGraphicClass GraphicClass;
};
std::vector<TPreviousFormat> Previous;
// The formats the imaging interface decodes besides PNG, each registered on its own. TIFF and GIF have
// no decoder here: a picture of them would only fail to load.
const char* const SmartImageExtensions[] = {"BMP", "JPG", "JPEG"};

void Take(const std::string& Extension, const std::string& Description, TGraphicClass Class) {
    if (TGraphicClass previous = TPicture::FindGraphicClass(Extension))
        Previous.push_back({Extension, TPicture::FileFormatDescription(Extension), previous});
    TPicture::RegisterFileFormat(Extension, Description, Class);
}
} // namespace gdiplus_classes_unit_detail

void ovGdiPlusClassesStart() {
    using namespace gdiplus_classes_unit_detail;
    if (Registered || !CheckGdiPlus(false)) return;
    ovGpInitEncoders();
    RegisterClasses<TovPNGImage, TovSmartImage>();
    Previous.clear();
    Take("PNG", "Portable Network Graphics (alpha)", GraphicClassOf<TovPNGImage>());
    for (const char* extension : SmartImageExtensions)
        Take(extension, "All graphics", GraphicClassOf<TovSmartImage>());
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
    for (const TPreviousFormat& format : Previous)
        if (format.GraphicClass != GraphicClassOf<TovPNGImage>() &&
            format.GraphicClass != GraphicClassOf<TovSmartImage>())
            TPicture::RegisterFileFormat(format.Extension, format.Description, format.GraphicClass);
    Previous.clear();
    UnRegisterClass<TovSmartImage>();
    UnRegisterClass<TovPNGImage>();
}
