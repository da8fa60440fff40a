#include "platform/rtl/FileStream.h"

#include "platform/rtl/Exceptions.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace file_stream_detail {

std::string Reason(int error) {
    return std::strerror(error);
}

int OpenFlags(WORD mode) {
    if ((mode & fmCreate) == fmCreate) return O_RDWR | O_CREAT | O_TRUNC;
    switch (mode & 0x0003) {
    case fmOpenWrite:
        return O_WRONLY;
    case fmOpenReadWrite:
        return O_RDWR;
    default:
        return O_RDONLY;
    }
}

} // namespace file_stream_detail

std::int64_t THandleStream::Read(void* Buffer, std::int64_t Count) {
    auto* out = static_cast<char*>(Buffer);
    std::int64_t done = 0;
    while (done < Count) {
        const ssize_t got = ::read(FHandle, out + done, static_cast<std::size_t>(Count - done));
        if (got < 0) {
            if (errno == EINTR) continue;
            throw EReadError("Stream read error");
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

std::int64_t THandleStream::Write(const void* Buffer, std::int64_t Count) {
    const auto* in = static_cast<const char*>(Buffer);
    std::int64_t done = 0;
    while (done < Count) {
        const ssize_t put = ::write(FHandle, in + done, static_cast<std::size_t>(Count - done));
        if (put < 0) {
            if (errno == EINTR) continue;
            throw EWriteError("Stream write error");
        }
        if (put == 0) break;
        done += put;
    }
    return done;
}

std::int64_t THandleStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    int whence = SEEK_SET;
    switch (Origin) {
    case soBeginning:
        whence = SEEK_SET;
        break;
    case soCurrent:
        whence = SEEK_CUR;
        break;
    case soEnd:
        whence = SEEK_END;
        break;
    default:
        throw EStreamError("Invalid seek origin");
    }
    const off_t result = ::lseek(FHandle, static_cast<off_t>(Offset), whence);
    if (result < 0) {
        if (errno == EINVAL) throw EStreamError("Seek before the start of the stream");
        throw EStreamError("Stream seek error. " + file_stream_detail::Reason(errno));
    }
    return result;
}

std::int64_t THandleStream::Size() {
    struct stat info {};
    if (::fstat(FHandle, &info) == 0 && S_ISREG(info.st_mode)) return info.st_size;
    return TStream::Size();
}

void THandleStream::SetSize(std::int64_t NewSize) {
    if (NewSize < 0) throw EStreamError("Invalid stream size");
    if (::ftruncate(FHandle, static_cast<off_t>(NewSize)) != 0)
        throw EStreamError("Cannot change the size of the stream. " + file_stream_detail::Reason(errno));
    Seek(NewSize, soBeginning);
}

TFileStream::TFileStream(const std::string& AFileName, WORD Mode) : TFileStream(AFileName, Mode, 0666) {}

TFileStream::TFileStream(const std::string& AFileName, WORD Mode, DWORD Rights)
    : THandleStream(-1), FFileName(AFileName) {
    using namespace file_stream_detail;
    const bool create = (Mode & fmCreate) == fmCreate;
    const int fd =
        ::open(AFileName.c_str(), OpenFlags(Mode) | O_CLOEXEC, static_cast<mode_t>(Rights & 07777));
    int error = errno;
    if (fd >= 0) {
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
            ::close(fd);
            error = EISDIR;
        } else {
            FHandle = fd;
            return;
        }
    }
    if (create) throw EFCreateError("Cannot create file \"" + AFileName + "\". " + Reason(error));
    throw EFOpenError("Cannot open file \"" + AFileName + "\". " + Reason(error));
}

TFileStream::~TFileStream() {
    if (FHandle >= 0) ::close(FHandle);
}
