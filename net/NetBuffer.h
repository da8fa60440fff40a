// The send buffer pool of a socket: data the network has not taken yet waits in a chain of
// fixed-size blocks; drained blocks go to a free chain and are reused, last emptied first.
#pragma once

#include "platform/rtl/Component.h"

#include <cstdint>
#include <memory>
#include <mutex>

// One block: the unsent bytes lie between the read and the write count.
class TNetBuffer {
public:
    // A capacity of 0 or less becomes 1460.
    explicit TNetBuffer(int Capacity);
    virtual ~TNetBuffer() = default;
    TNetBuffer(const TNetBuffer&) = delete;
    TNetBuffer& operator=(const TNetBuffer&) = delete;

    // Copies as much as fits from Data + From; returns the number copied.
    int WriteFrom(const void* Data, int From, int Length);
    // Points at the unsent bytes and returns their number (0 leaves the pointer alone).
    int PeekData(const std::uint8_t*& Pointer) const;
    // Forgets up to Length unsent bytes; returns how many. An emptied block is writable from its start.
    int Consume(int Length);
    int DataCount() const { return FWriteCount - FReadCount; }
    int Capacity() const { return FCapacity; }
    void Clear() { FReadCount = FWriteCount = 0; }

    TNetBuffer* Next = nullptr;
    TNetBuffer* Prev = nullptr;

private:
    std::unique_ptr<std::uint8_t[]> FData;
    int FCapacity;
    int FWriteCount = 0;
    int FReadCount = 0;
};

// A doubly linked chain of blocks; it owns them.
class TNetBufferLinkedList {
public:
    TNetBufferLinkedList() = default;
    ~TNetBufferLinkedList();
    TNetBufferLinkedList(const TNetBufferLinkedList&) = delete;
    TNetBufferLinkedList& operator=(const TNetBufferLinkedList&) = delete;

    void PushFront(TNetBuffer* Buffer);
    void PushBack(TNetBuffer* Buffer);
    TNetBuffer* PopFront(); // null when empty
    TNetBuffer* Head() const { return FHead; }
    TNetBuffer* Tail() const { return FTail; }
    int Count() const;

private:
    TNetBuffer* FHead = nullptr;
    TNetBuffer* FTail = nullptr;
};

class TNetBufferHandler : public TComponent {
public:
    explicit TNetBufferHandler(TComponent* AOwner);
    ~TNetBufferHandler() override;

    // The capacity of blocks created from now on.
    int BufSize() const { return FBufSize; }
    void SetBufSize(int Value) { FBufSize = Value; }

    void Lock() { FLock.lock(); }
    void Unlock() { FLock.unlock(); }

    // Stores the bytes at the end of the busy chain, filling the last block first.
    void AppendData(const void* Data, int Length);
    // The unsent bytes of the front block only; 0 when nothing waits.
    int PeekFront(const std::uint8_t*& Pointer) const;
    // Forgets Length bytes of the front block (at most what it holds); an emptied block goes to the
    // front of the free chain. Raises ENetBufferException for a negative length or an empty pool.
    void Remove(int Length);
    bool IsEmpty() const;
    // Moves every busy block, emptied, to the free chain.
    void DiscardAll();

    int BusyCount() const { return FBusy.Count(); }
    int FreeCount() const { return FFree.Count(); }

private:
    TNetBuffer* TakeBuffer();

    int FBufSize = 1460;
    TNetBufferLinkedList FBusy;
    TNetBufferLinkedList FFree;
    std::recursive_mutex FLock;
};
