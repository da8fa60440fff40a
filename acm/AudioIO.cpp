#include "acm/AudioIO.h"

#include "acm/AcmErrors.h"
#include "audio/devices/DeviceMessageWindow.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace audio_io_detail {
// Blocks carry their size in front of what the caller gets.
constexpr std::size_t Header = sizeof(std::size_t) > 4 ? sizeof(std::size_t) : 4;
std::size_t BlockSize(void* buffer) {
    std::size_t size;
    std::memcpy(&size, static_cast<char*>(buffer) - Header, sizeof size);
    return size;
}
} // namespace audio_io_detail

using namespace audio_io_detail;

TdeAudioIO::TdeAudioIO(TComponent* AOwner)
    : TComponent(AOwner), FWindow(std::make_unique<TDeviceMessageWindow>(
                              [this](UINT m, WPARAM w, LPARAM l) { WndProc(m, w, l); })) {}

TdeAudioIO::~TdeAudioIO() {
    FreePool();
}

void TdeAudioIO::CloseForDestruction() {
    try {
        Close();
    } catch (...) {
        // A device that fails to close while its owner goes away has nothing left to tell.
    }
}

HWND TdeAudioIO::WindowHandle() const {
    return FWindow ? FWindow->Handle() : nullptr;
}

void TdeAudioIO::SetActive(bool Value) {
    if (Value)
        Open();
    else
        Close();
}

void TdeAudioIO::Open() {
    if (FActive) return;
    FreePool();
    BeforeOpen(this);
    DoOpen();
    FActive = true;
    AfterOpen(this);
}

void TdeAudioIO::Close() {
    if (!FActive) return;
    BeforeClose(this);
    DoClose();
    FreePool();
    FActive = false;
    AfterClose(this);
}

void TdeAudioIO::SetBufferCount(int Value) {
    FBufferCount = Value;
}

void TdeAudioIO::Loaded() {
    TComponent::Loaded();
    if (FAutoOpen && !ComponentState().Contains(csDesigning)) Open();
}

LRESULT TdeAudioIO::WndProc(UINT, WPARAM, LPARAM) {
    return 1;
}

void* TdeAudioIO::GetBuffer(std::size_t Size) {
    auto best = FFree.end();
    for (auto it = FFree.begin(); it != FFree.end(); ++it) {
        const std::size_t size = BlockSize(*it);
        if (size == Size) {
            best = it;
            break;
        }
        if (size > Size && size - Size < Size && (best == FFree.end() || size < BlockSize(*best))) best = it;
    }
    if (best != FFree.end()) {
        void* buffer = *best;
        FFree.erase(best);
        return buffer;
    }
    auto* block = static_cast<char*>(std::malloc(Size + Header));
    if (!block) throw EACMAudioOutError("Cannot allocate global memory.");
    std::memcpy(block, &Size, sizeof Size);
    FAllocated.push_back(block);
    return block + Header;
}

void TdeAudioIO::ReleaseBuffer(void* Buffer) {
    if (Buffer && std::find(FFree.begin(), FFree.end(), Buffer) == FFree.end()) FFree.push_back(Buffer);
}

void TdeAudioIO::FreePool() {
    for (void* block : FAllocated)
        std::free(block);
    FAllocated.clear();
    FFree.clear();
}
