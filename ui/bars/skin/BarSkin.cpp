#include "ui/bars/skin/BarSkin.h"

#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/CoreServices.h"

TovCustomBarSkin::TovCustomBarSkin() = default;

TovCustomBarSkin::~TovCustomBarSkin() = default;

int TovCustomBarSkin::AddPart(std::unique_ptr<TovSkinnedRect> APart) {
    if (!APart) return -1;
    // A rejected part is still held by APart here, so it goes when the exception leaves.
    for (int i = 0; i < Count(); ++i) {
        const TovSkinnedRect* part = GetPart(i);
        if (APart->ID() != -1 && APart->ID() == part->ID())
            throw EovException(Format("ERROR: Duplicate part's ID = %d", APart->ID()));
        if (!APart->Name().empty() && AnsiSameText(APart->Name(), part->Name()))
            throw EovException(Format("ERROR: Duplicate part's name = \"%s\"", APart->Name()));
    }
    const int index = FParts.Add(APart.get());
    APart.release();
    return index;
}

int TovCustomBarSkin::AddPartNoMargins(GpImage* ASheet, const TRect& ASourceRect, int AID,
                                       const std::string& AName, int AInterpolationMode) {
    return AddPartWithMargins(ASheet, ASourceRect, TRect{}, AID, AName, AInterpolationMode);
}

int TovCustomBarSkin::AddPartVertMargins(GpImage* ASheet, const TRect& ASourceRect, int ATopMargin,
                                         int ABottomMargin, int AID, const std::string& AName,
                                         int AInterpolationMode) {
    return AddPartWithMargins(ASheet, ASourceRect, TRect{0, ATopMargin, 0, ABottomMargin}, AID, AName,
                              AInterpolationMode);
}

int TovCustomBarSkin::AddPartWithMargins(GpImage* ASheet, const TRect& ASourceRect, const TRect& AMargins,
                                         int AID, const std::string& AName, int AInterpolationMode) {
    auto part = std::make_unique<TovSkinnedRect>();
    part->LoadFromImage(ASheet, ASourceRect, AMargins);
    part->SetID(AID);
    part->SetName(AName);
    part->SetInterpolationMode(AInterpolationMode);
    return AddPart(std::move(part));
}

TovSkinnedRect* TovCustomBarSkin::GetPart(int AIndex) const {
    return static_cast<TovSkinnedRect*>(FParts.Items(AIndex));
}

void TovCustomBarSkin::Clear() {
    FParts.Clear();
}
