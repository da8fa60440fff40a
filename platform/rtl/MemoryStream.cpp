#include "platform/rtl/MemoryStream.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileStream.h"
#include "platform/rtl/FileUtils.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
    const std::int64_t size = Size();
    if (Count <= 0 || FPosition >= size) return 0;
    const std::int64_t n = std::min(Count, size - FPosition);
    std::memcpy(Buffer, FData.data() + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
    if (Count <= 0) return 0;
    const std::int64_t end = FPosition + Count;
    if (end > Size()) FData.resize(static_cast<std::size_t>(end), 0);
    std::memcpy(FData.data() + FPosition, Buffer, static_cast<std::size_t>(Count));
    FPosition = end;
    return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    FPosition = SeekTarget(Offset, Origin, FPosition, Size());
    return FPosition;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
    if (NewSize < 0) throw EStreamError("Invalid stream size");
    FData.resize(static_cast<std::size_t>(NewSize), 0);
    if (FPosition > NewSize) FPosition = NewSize;
}

void TMemoryStream::Clear() {
    FData.clear();
    FData.shrink_to_fit();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
    Stream->SetPosition(0);
    const std::int64_t count = Stream->Size();
    std::vector<unsigned char> data(static_cast<std::size_t>(count));
    Stream->ReadBuffer(data.data(), count); // the old content stays if this fails
    FData.swap(data);
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
}

void TMemoryStream::SaveToStream(TStream* Stream) {
    if (!FData.empty()) Stream->WriteBuffer(FData.data(), Size());
}

void TMemoryStream::SaveToFile(const std::string& FileName) {
    errno = 0;
    const std::string_view bytes(reinterpret_cast<const char*>(FData.data()), FData.size());
    if (!WriteFileAtomically(FileName, bytes))
        throw EFCreateError("Cannot create file \"" + FileName + "\". " +
                            std::strerror(errno != 0 ? errno : EIO));
}

TStringStream::TStringStream(const std::string& AString) {
    WriteString(AString);
    SetPosition(0);
}

std::string TStringStream::DataString() const {
    return std::string(FData.begin(), FData.end());
}

std::string TStringStream::ReadString(std::int64_t Count) {
    const std::int64_t left = std::max<std::int64_t>(0, Size() - Position());
    std::string result(static_cast<std::size_t>(std::clamp<std::int64_t>(Count, 0, left)), '\0');
    result.resize(static_cast<std::size_t>(Read(result.data(), static_cast<std::int64_t>(result.size()))));
    return result;
}

void TStringStream::WriteString(const std::string& AString) {
    WriteBuffer(AString.data(), static_cast<std::int64_t>(AString.size()));
}
