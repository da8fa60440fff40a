#include "audio/views/AudioEditor2Scale.h"

#include "audio/AudioError.h"
#include "platform/vcl/Font.h"

#include <algorithm>
#include <string>

TAudioEditor2Scale::TAudioEditor2Scale(TKind kind)
    : FKind(kind), FFont(std::make_unique<TFont>()), FFormat(kind == Time ? 2 : 3) {
    FFont->SetName("Tahoma");
    FFont->SetSize(7);
    FFont->SetColor(RGB(168, 220, 248));
    FFont->OnChange = TNotifyEvent([this](TObject*) { Changed(); }, this);
}

TAudioEditor2Scale::~TAudioEditor2Scale() = default;

void TAudioEditor2Scale::Changed() {
    if (OnChange) OnChange();
}

void TAudioEditor2Scale::SetFont(TFont* font) {
    if (font != nullptr) FFont->Assign(font); // raises OnChange through the font
}

void TAudioEditor2Scale::SetFormat(int format) {
    const int last = FKind == Time ? 2 : 3;
    if (format < 1 || format > last)
        throw EAudioError("Scale format " + std::to_string(format) + " does not exist.");
    if (format == FFormat) return;
    FFormat = format;
    Changed();
}

void TAudioEditor2Scale::SetVisible(int visible) {
    if ((visible != 0) == FVisible) return;
    FVisible = visible != 0;
    Changed();
}

void TAudioEditor2Scale::SetSize(int pixels) {
    pixels = pixels <= 0 ? 0 : std::clamp(pixels, 12, 200);
    if (pixels == FSize) return;
    FSize = pixels;
    Changed();
}
