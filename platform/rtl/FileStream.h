// Streams over operating-system files: THandleStream over an open file descriptor it does not own, and
// TFileStream, which opens (or creates) a file by name and closes it when destroyed.
#pragma once

#include "platform/rtl/Stream.h"
#include "platform/rtl/WinTypes.h"

#include <string>

// Open modes: one access mode, optionally or-ed with one share mode. fmCreate creates the file, or
// empties an existing one, and opens it for reading and writing.
constexpr WORD fmCreate = 0xFF00;
constexpr WORD fmOpenRead = 0x0000;
constexpr WORD fmOpenWrite = 0x0001;
constexpr WORD fmOpenReadWrite = 0x0002;
// Share modes are accepted for the callers' sake; files are not locked against other processes.
constexpr WORD fmShareCompat = 0x0000;
constexpr WORD fmShareExclusive = 0x0010;
constexpr WORD fmShareDenyWrite = 0x0020;
constexpr WORD fmShareDenyRead = 0x0030;
constexpr WORD fmShareDenyNone = 0x0040;

class THandleStream : public TStream {
public:
    explicit THandleStream(int AHandle) : FHandle(AHandle) {}

    // Reads until Count bytes or the end of the file; an operating-system error raises EReadError.
    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    // An operating-system error (disk full…) raises EWriteError.
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() override;
    // Truncates or extends (with zeros) the file and leaves the position at the new end.
    void SetSize(std::int64_t NewSize) override;

    int Handle() const { return FHandle; }

protected:
    int FHandle = -1;
};

class TFileStream : public THandleStream {
public:
    // Raises EFCreateError "Cannot create file "<name>". <reason>" or EFOpenError "Cannot open file
    // "<name>". <reason>" with the operating system's reason.
    TFileStream(const std::string& AFileName, WORD Mode);
    TFileStream(const std::string& AFileName, WORD Mode, DWORD Rights);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
};
