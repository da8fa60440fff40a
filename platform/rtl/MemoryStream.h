// Streams held in memory: TMemoryStream (a growable block of bytes) and TStringStream (the same, seen
// as a string).
#pragma once

#include "platform/rtl/Stream.h"

#include <string>
#include <vector>

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;

    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    // Writing past the end extends the stream; a gap left by seeking beyond the end reads as zeros.
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    // Raises EStreamError for a position before the start; positions past the end are allowed.
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(FData.size()); }
    // New bytes are zeros; a position beyond the new end moves to the end.
    void SetSize(std::int64_t NewSize) override;

    // The bytes of the stream (Size() of them); valid until the next change of size.
    void* Memory() { return FData.data(); }
    const void* Memory() const { return FData.data(); }
    void Clear();

    // Replaces the content with the whole of Stream (from its start) and rewinds.
    void LoadFromStream(TStream* Stream);
    void LoadFromFile(const std::string& FileName);
    // Writes the whole content (whatever the position).
    void SaveToStream(TStream* Stream);
    // Replaces the file only once the new one is completely written (EFCreateError otherwise).
    void SaveToFile(const std::string& FileName);

protected:
    std::vector<unsigned char> FData;

private:
    std::int64_t FPosition = 0;
};

class TStringStream : public TMemoryStream {
public:
    TStringStream() = default;
    explicit TStringStream(const std::string& AString);

    // The whole content as a string.
    std::string DataString() const;
    // Reads up to Count bytes from the position.
    std::string ReadString(std::int64_t Count);
    void WriteString(const std::string& AString);
};
