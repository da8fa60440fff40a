// The base of the audio device components: active state, format, buffer count, the hidden window that
// receives the device's messages, and a pool that recycles the buffers and headers given to the device.
#pragma once

#include "acm/WaveFormat.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"

#include <cstddef>
#include <memory>
#include <vector>

class TDeviceMessageWindow;

class TdeAudioIO : public TComponent {
public:
    explicit TdeAudioIO(TComponent* AOwner);
    ~TdeAudioIO() override;

    bool Active() const { return FActive; }
    void SetActive(bool Value);
    void Open();
    void Close();

    TdeWaveFormat* Format() { return &FFormat; }
    int BufferCount() const { return FBufferCount; }
    virtual void SetBufferCount(int Value);
    bool AutoOpen() const { return FAutoOpen; }
    void SetAutoOpen(bool Value) { FAutoOpen = Value; }
    void Loaded() override;
    HWND WindowHandle() const;

    TNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;

    // The pool: an exact size is taken at once, else the free block with the smallest excess smaller
    // than the size asked for; else a new block.
    void* GetBuffer(std::size_t Size);
    void ReleaseBuffer(void* Buffer);
    void FreePool();
    std::size_t PoolBlockCount() const { return FAllocated.size(); }
    std::size_t FreeBlockCount() const { return FFree.size(); }

protected:
    virtual void DoOpen() = 0;
    virtual void DoClose() = 0;
    virtual LRESULT WndProc(UINT Message, WPARAM WParam, LPARAM LParam);
    // Closes for the destructor of the most derived class, whose DoClose must still be there.
    void CloseForDestruction();

    int FBufferCount = 4;

private:
    TdeWaveFormat FFormat;
    bool FActive = false;
    bool FAutoOpen = true;
    std::unique_ptr<TDeviceMessageWindow> FWindow;
    std::vector<void*> FAllocated; // every block, as allocated (its size in front)
    std::vector<void*> FFree;      // the blocks given back, as handed out
};
