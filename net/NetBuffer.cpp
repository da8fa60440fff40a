#include "net/NetBuffer.h"

#include "net/NetExceptions.h"

#include <algorithm>
#include <cstring>

TNetBuffer::TNetBuffer(int Capacity) : FCapacity(Capacity > 0 ? Capacity : 1460) {
    FData = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(FCapacity));
}

int TNetBuffer::WriteFrom(const void* Data, int From, int Length) {
    const int count = std::min(FCapacity - FWriteCount, Length);
    if (count <= 0) return 0;
    std::memcpy(FData.get() + FWriteCount, static_cast<const std::uint8_t*>(Data) + From,
                static_cast<std::size_t>(count));
    FWriteCount += count;
    return count;
}

int TNetBuffer::PeekData(const std::uint8_t*& Pointer) const {
    if (DataCount() <= 0) return 0;
    Pointer = FData.get() + FReadCount;
    return DataCount();
}

int TNetBuffer::Consume(int Length) {
    const int count = std::clamp(Length, 0, DataCount());
    FReadCount += count;
    if (FReadCount == FWriteCount) Clear();
    return count;
}

TNetBufferLinkedList::~TNetBufferLinkedList() {
    while (TNetBuffer* buffer = PopFront())
        delete buffer;
}

void TNetBufferLinkedList::PushFront(TNetBuffer* Buffer) {
    Buffer->Prev = nullptr;
    Buffer->Next = FHead;
    if (FHead) FHead->Prev = Buffer;
    FHead = Buffer;
    if (!FTail) FTail = Buffer;
}

void TNetBufferLinkedList::PushBack(TNetBuffer* Buffer) {
    Buffer->Next = nullptr;
    Buffer->Prev = FTail;
    if (FTail) FTail->Next = Buffer;
    FTail = Buffer;
    if (!FHead) FHead = Buffer;
}

TNetBuffer* TNetBufferLinkedList::PopFront() {
    TNetBuffer* buffer = FHead;
    if (!buffer) return nullptr;
    FHead = buffer->Next;
    if (FHead)
        FHead->Prev = nullptr;
    else
        FTail = nullptr;
    buffer->Next = buffer->Prev = nullptr;
    return buffer;
}

int TNetBufferLinkedList::Count() const {
    int count = 0;
    for (TNetBuffer* b = FHead; b; b = b->Next)
        ++count;
    return count;
}

TNetBufferHandler::TNetBufferHandler(TComponent* AOwner) : TComponent(AOwner) {}

TNetBufferHandler::~TNetBufferHandler() = default;

TNetBuffer* TNetBufferHandler::TakeBuffer() {
    TNetBuffer* buffer = FFree.PopFront();
    if (!buffer) buffer = new TNetBuffer(FBufSize);
    FBusy.PushBack(buffer);
    return buffer;
}

void TNetBufferHandler::AppendData(const void* Data, int Length) {
    if (Length <= 0) return;
    TNetBuffer* current = FBusy.Tail() ? FBusy.Tail() : TakeBuffer();
    int position = 0;
    for (;;) {
        const int copied = current->WriteFrom(Data, position, Length);
        if (copied >= Length) return;
        Length -= copied;
        position += copied;
        current = TakeBuffer();
    }
}

int TNetBufferHandler::PeekFront(const std::uint8_t*& Pointer) const {
    return FBusy.Head() ? FBusy.Head()->PeekData(Pointer) : 0;
}

void TNetBufferHandler::Remove(int Length) {
    if (Length < 0)
        throw ENetBufferException("TNetBufferHandler.Remove: Invalid Len " + std::to_string(Length));
    TNetBuffer* front = FBusy.Head();
    if (!front) throw ENetBufferException("TNetBufferHandler.Remove: nothing to remove");
    front->Consume(Length);
    if (front->DataCount() == 0) FFree.PushFront(FBusy.PopFront());
}

bool TNetBufferHandler::IsEmpty() const {
    return !FBusy.Head() || FBusy.Head()->DataCount() == 0;
}

void TNetBufferHandler::DiscardAll() {
    while (TNetBuffer* buffer = FBusy.PopFront()) {
        buffer->Clear();
        FFree.PushFront(buffer);
    }
}
