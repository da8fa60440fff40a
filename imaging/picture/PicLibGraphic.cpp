#include "imaging/picture/PicLibGraphic.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileStream.h"

TPicLibGraphic::TPicLibGraphic() : FColorManager(std::make_unique<TColorManager>()) {}

TPicLibGraphic::~TPicLibGraphic() = default;

bool TPicLibGraphic::CanLoadFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    return CanLoadStream(&stream);
}

bool TPicLibGraphic::ReadImageProperties(TStream*, unsigned) {
    FImageProperties = TImageProperties{};
    FImageProperties.FileGamma = 1.0f;
    return false;
}

void TPicLibGraphic::LoadFromFile(const std::string& FileName) {
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TPicLibGraphic::Assign(const TPicBitmap& Source) {
    if (const auto* graphic = dynamic_cast<const TPicLibGraphic*>(&Source))
        FImageProperties = graphic->FImageProperties;
    TPicBitmap::Assign(Source);
}

void TPicLibGraphic::Progress(TProgressStage Stage, int Percent, bool Redraw, const TRect& R,
                              const std::string& Msg) {
    if (OnProgress) OnProgress(Stage, Percent, Redraw, R, Msg);
}

void GraphicError(const std::string& Message) {
    throw EInvalidGraphic(Message);
}

void GraphicErrorFmt(const char* Format, const std::string& Arg1, const std::string& Arg2) {
    // The library's formats hold one or two "%s" and nothing else.
    std::string out;
    const std::string* args[2] = {&Arg1, &Arg2};
    int next = 0;
    for (const char* p = Format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's' && next < 2) {
            out += *args[next++];
            ++p;
        } else {
            out += *p;
        }
    }
    throw EInvalidGraphic(out);
}
