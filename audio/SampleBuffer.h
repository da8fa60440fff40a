// An uninitialised float buffer for block samples; large ones are mapped with their pages present and
// reused once released.
#pragma once

#include <cstddef>
#include <memory>

class TSampleBuffer {
public:
    TSampleBuffer() = default;
    explicit TSampleBuffer(std::size_t count);

    float* Data() { return FData.get(); }
    const float* Data() const { return FData.get(); }
    std::size_t Size() const { return FSize; }
    bool Empty() const { return FSize == 0; }

private:
    struct TFree {
        std::size_t Count;
        void operator()(float* p) const;
    };
    std::unique_ptr<float, TFree> FData{nullptr, TFree{0}};
    std::size_t FSize = 0;
};
