#include "ui/painters/effects/Fader.h"

#include "platform/rtl/Numerics.h"
#include "platform/vcl/Timer.h"
#include "platform/win/WinMetrics.h"
#include "ui/core/base/ExceptionReport.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/painters/effects/FadingOptions.h"
#include "ui/painters/effects/ScreenDepth.h"

#include <algorithm>
#include <cmath>

namespace fader_detail {

constexpr int TimerInterval = 10;
constexpr int MaxFrameCount = 32;
constexpr int MaxFrameDelay = 300;

TovFader* TheFader = nullptr;

// Pictures drawn by GDI leave alpha at 0: such a pixel that shows a colour is opaque.
void RecoverAlpha(TRGBColors& APixels) {
    for (std::uint32_t& pixel : APixels)
        if ((pixel & 0xFF000000u) == 0 && (pixel & 0x00FFFFFFu) != 0) pixel |= 0xFF000000u;
}

bool ReadPixels(TuiBitmap32* ABitmap, TRGBColors& APixels) {
    return ovGetBitmapBits(ABitmap, APixels, true);
}

} // namespace fader_detail

using namespace fader_detail;

// ---- TovFadingElement

TovFadingElement::TovFadingElement(TovFader* AOwner, IovFadingObject* AObject, std::uint64_t ASerial)
    : FOwner(AOwner), FObject(AObject), FSerial(ASerial) {}

TovFadingElement::~TovFadingElement() = default;

void TovFadingElement::SetTiming(int AFrameCount, int AFrameDelay) {
    FFrameCount = std::clamp(AFrameCount, 1, MaxFrameCount);
    FFrameDelay = std::clamp(AFrameDelay, 1, MaxFrameDelay);
    FDelayDivider = std::max(FFrameDelay / TimerInterval, 1);
    FDelayIndex = 0;
}

void TovFadingElement::SetPictures(TRGBColors AStart, TRGBColors ATarget, int AWidth, int AHeight) {
    FStart = std::move(AStart);
    FTarget = std::move(ATarget);
    RecoverAlpha(FStart);
    RecoverAlpha(FTarget);
    FWidth = AWidth;
    FHeight = AHeight;
}

void TovFadingElement::CalculateFrame() {
    const std::size_t count = std::min(FStart.size(), FTarget.size());
    // The weight is taken in 1/255 steps and blended in single precision, halves to even.
    const int weight = MulDiv(FStage, 255, FFrameCount);
    const float t = static_cast<float>(weight) / 255.0f;
    const float u = 1.0f - t;
    TRGBColors pixels(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t result = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            const float start = static_cast<float>((FStart[i] >> shift) & 0xFF);
            const float target = static_cast<float>((FTarget[i] >> shift) & 0xFF);
            const float value = start * u + target * t;
            const auto byte = static_cast<std::uint32_t>(std::clamp(std::nearbyint(value), 0.0f, 255.0f));
            result |= byte << shift;
        }
        pixels[i] = result;
    }
    auto frame = std::make_unique<TovGPImage>(FWidth, FHeight, pixels, true);
    FFramePixels = std::move(pixels);
    FFrame = std::move(frame);
    FObject->DrawFadeStep();
}

void TovFadingElement::DropFrame() {
    FFrame.reset();
    FFramePixels.clear();
}

TovFadingElement::TStepResult TovFadingElement::Step() {
    FDelayIndex = (FDelayIndex + 1) % FDelayDivider;
    if (FDelayIndex != 0) return TStepResult::Waiting;
    if (FStage >= FFrameCount) return TStepResult::Finished;
    ++FStage;
    CalculateFrame();
    return TStepResult::Advanced;
}

// ---- TovFader

TovFader::TovFader() : FTimer(std::make_unique<TTimer>(nullptr)) {
    FTimer->SetEnabled(false);
    FTimer->SetInterval(TimerInterval);
    FTimer->OnTimer = TNotifyEvent(this, &TovFader::TimerTick);
}

TovFader::~TovFader() {
    Clear();
    FTimer.reset();
}

void TovFader::SetMaxFadeCount(int AValue) {
    FMaxFadeCount = std::max(AValue, 0);
    CheckQueue();
}

bool TovFader::IsFadingActive() {
    if (FFadingMode == 1) return true;
    if (FFadingMode == 2) return false;
    BOOL animation = FALSE;
    return TovSystemInfo::GetParameter(SPI_GETMENUANIMATION, &animation) && animation != FALSE;
}

bool TovFader::FaderIsReady() {
    return IsFadingActive() && FMaxFadeCount > 0 && CheckGdiPlus(false) && ovScreenBitsPerPixel() > 16;
}

bool TovFader::CanFadeObject(IovFadingObject* AObject) {
    return AObject != nullptr && FaderIsReady() && AObject->IsFadable();
}

void TovFader::FadeIn(IovFadingObject* AObject) {
    Fade(AObject, true);
}

void TovFader::FadeOut(IovFadingObject* AObject) {
    Fade(AObject, false);
}

void TovFader::Fade(IovFadingObject* AObject, bool AFadeIn) {
    if (!CanFadeObject(AObject)) return;
    TuiBitmap32* fadeOutImage = nullptr;
    TuiBitmap32* fadeInImage = nullptr;
    AObject->ProvideFadeImages(fadeOutImage, fadeInImage);
    // Both pictures are the fader's now and go whatever happens.
    const std::unique_ptr<TuiBitmap32> fadeOut(fadeOutImage), fadeIn(fadeInImage);
    TuiBitmap32* start = AFadeIn ? fadeOut.get() : fadeIn.get();
    TuiBitmap32* target = AFadeIn ? fadeIn.get() : fadeOut.get();

    TovFadingOptions options;
    if (auto* provider = dynamic_cast<IovFadingOptionsProvider*>(AObject))
        if (TovFadingOptions* own = provider->GetFadingOptions()) options.Assign(own);
    const int count = AFadeIn ? options.FadeInFrameCount() : options.FadeOutFrameCount();
    const int delay = AFadeIn ? options.FadeInFrameDelay() : options.FadeOutFrameDelay();

    if (start == nullptr || target == nullptr || start->Empty() || target->Empty() ||
        start->Width() != target->Width() || start->Height() != target->Height() || count <= 0)
        return;
    const int width = start->Width(), height = start->Height();
    TRGBColors startPixels, targetPixels;
    if (!ReadPixels(target, targetPixels)) return;

    TovFadingElement* element = Find(AObject);
    if (element != nullptr && element->Width() == width && element->Height() == height &&
        !element->CurrentFramePixels().empty()) {
        // A reversed fade goes on from the picture on screen.
        startPixels = element->CurrentFramePixels();
        element->SetTiming(count, delay);
        element->SetStage(0);
    } else {
        if (!ReadPixels(start, startPixels)) return;
        if (element != nullptr && element->Width() == width && element->Height() == height) {
            element->SetTiming(count, delay);
            element->SetStage(0);
        } else if (element == nullptr) {
            const std::uint64_t serial = FNextSerial++;
            auto created = std::make_unique<TovFadingElement>(this, AObject, serial);
            created->SetTiming(count, delay);
            FElements.push_back(std::move(created));
            CheckQueue();
            // Finalizing the oldest lets its object repaint, which may end fades, this one too.
            element = FindBySerial(serial);
            if (element == nullptr) return;
        }
    }
    element->SetPictures(std::move(startPixels), std::move(targetPixels), width, height);
    element->CalculateFrame();
}

bool TovFader::DrawFadeStep(IovFadingObject* AObject, HDC ADC, const TRect& R) {
    TovFadingElement* element = Find(AObject);
    if (element == nullptr || element->CurrentFrame() == nullptr) return false;
    element->CurrentFrame()->StretchDraw(ADC, R, 255);
    return true;
}

TovFadingElement* TovFader::Find(IovFadingObject* AObject) const {
    for (const auto& element : FElements)
        if (element->FadingObject() == AObject) return element.get();
    return nullptr;
}

TovFadingElement* TovFader::FindBySerial(std::uint64_t ASerial) const {
    for (const auto& element : FElements)
        if (element->Serial() == ASerial) return element.get();
    return nullptr;
}

void TovFader::Remove(IovFadingObject* AObject, bool ADestroying) {
    TovFadingElement* element = Find(AObject);
    if (element == nullptr) return;
    if (ADestroying) {
        FElements.erase(std::find_if(FElements.begin(), FElements.end(),
                                     [element](const auto& AItem) { return AItem.get() == element; }));
        CheckQueue();
    } else
        Finalize(element);
}

void TovFader::Clear() {
    TovFadingList elements = std::move(FElements);
    FElements.clear();
    elements.clear();
    if (FTimer) FTimer->SetEnabled(false);
}

void TovFader::Finalize(TovFadingElement* AElement) {
    const auto it = std::find_if(FElements.begin(), FElements.end(),
                                 [AElement](const auto& AItem) { return AItem.get() == AElement; });
    if (it == FElements.end()) return;
    std::unique_ptr<TovFadingElement> element = std::move(*it);
    FElements.erase(it);
    element->DropFrame();
    CheckQueue();
    element->FadingObject()->DrawFadeStep();
}

void TovFader::CheckQueue() {
    while (static_cast<int>(FElements.size()) > FMaxFadeCount && !FElements.empty())
        Finalize(FElements.front().get());
    if (FTimer) FTimer->SetEnabled(!FElements.empty());
}

void TovFader::TimerTick(TObject*) {
    try {
        // Stepping lets objects repaint, and a repaint may start or end fades: the walk goes over the
        // elements running now, newest first, and skips those that are gone by their turn.
        std::vector<std::uint64_t> serials;
        serials.reserve(FElements.size());
        for (auto it = FElements.rbegin(); it != FElements.rend(); ++it)
            serials.push_back((*it)->Serial());
        for (const std::uint64_t serial : serials) {
            TovFadingElement* element = FindBySerial(serial);
            if (element == nullptr) continue;
            if (element->Step() == TovFadingElement::TStepResult::Finished) {
                // Stepping never notified the object here, so the element is still listed.
                Finalize(element);
            }
        }
        CheckQueue();
    } catch (...) {
        uiHandleException(this);
    }
}

// ---- The unit's fader

TovFader* ovFader() {
    return TheFader;
}

void ovCreateFader() {
    if (TheFader != nullptr) return;
    TheFader = new TovFader();
    ovSetFaderSlot(TheFader);
}

void ovDestroyFader() {
    if (TheFader == nullptr) return;
    ovSetFaderSlot(nullptr);
    delete TheFader;
    TheFader = nullptr;
}
