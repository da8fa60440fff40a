#include "ui/core/base/Components.h"

#include "platform/win/WinUser.h"
#include "ui/core/base/ObjectLinks.h"
#include "ui/core/graphics/ScreenMetrics.h"

TuiComponent::~TuiComponent() {
    uiClearObjectLinks(this);
}

void TuiComponent::Loaded() {
    TuiCustomComponent::Loaded();
    UpdatePlaceholderLinks();
}

void TuiComponent::BeforeDestruction() {
    if (!ComponentState().Contains(csDestroying)) Destroying();
    TuiCustomComponent::BeforeDestruction();
}

void TuiComponent::UpdatePlaceholderLinks() {
    const TComponentState state = ComponentState();
    if (!state.Contains(csDesigning) || state.Contains(csDestroying) || Owner() == nullptr) return;
    TList links;
    GetPlaceholderLinks(&links);
    for (int i = 0; i < FakeLinkCount; ++i)
        FFakeLinks[i] = i < links.Count() ? static_cast<TComponent*>(links.Items(i)) : nullptr;
}

TuiScalableComponent::TuiScalableComponent(TComponent* AOwner)
    : TuiComponent(AOwner), PixelsPerInch(uiCurrentDPI()) {}

void TuiScalableComponent::Loaded() {
    TuiComponent::Loaded();
    const int current = uiCurrentDPI();
    if (Scalable && current != PixelsPerInch) ChangeScale(current, PixelsPerInch);
    PixelsPerInch = current;
}

std::string GetWindowClassNameText(HWND AWnd) {
    char buffer[257];
    const int length = GetClassName(AWnd, buffer, sizeof(buffer));
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

int CharByteLengthAt(const std::string& AText, int APosition) {
    if (APosition < 1 || APosition > static_cast<int>(AText.size())) return 0;
    const auto lead = static_cast<unsigned char>(AText[static_cast<size_t>(APosition - 1)]);
    int length = 1;
    if (lead >= 0xF0)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC0)
        length = 2;
    const int available = static_cast<int>(AText.size()) - APosition + 1;
    return length < available ? length : available;
}

LRESULT SendPointerMessage(HWND AWnd, UINT AMsg, const void* APointer, bool APointerInLParam, WPARAM AOther) {
    const auto pointer = reinterpret_cast<std::uintptr_t>(APointer);
    if (APointerInLParam) return SendMessage(AWnd, AMsg, AOther, static_cast<LPARAM>(pointer));
    return SendMessage(AWnd, AMsg, static_cast<WPARAM>(pointer), static_cast<LPARAM>(AOther));
}
