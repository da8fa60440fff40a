#include "audio/SafeFileTarget.h"

#include "audio/AudioError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

TSafeFileTarget::TSafeFileTarget(const std::string& target) : FTarget(target) {
    if (target.empty()) throw EAudioError("No file name was given.");
    struct stat existing {};
    bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw EAudioError("Cannot write \"" + target + "\": it is a folder.");
    // A file without any write permission is refused even where the process could write it anyway.
    if (exists && ((existing.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0))
        throw EAudioError("Cannot write \"" + target + "\": the file is read-only.");
    std::size_t slash = target.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : target.substr(0, slash);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = (folder.empty() ? std::string() : folder) + "/." + name + ".olva-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    int fd = mkstemp(buffer.data());
    if (fd < 0) throw EAudioError("Cannot write \"" + target + "\": " + std::strerror(errno) + ".");
    // The new file gets the old one's permissions, or the usual ones for a new file.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, exists ? (existing.st_mode & 07777) : (0666 & ~mask));
    close(fd);
    FTemporary = buffer.data();
}

TSafeFileTarget::~TSafeFileTarget() {
    if (!FCommitted) std::remove(FTemporary.c_str());
}

void TSafeFileTarget::Commit() {
    int fd = open(FTemporary.c_str(), O_RDONLY);
    if (fd < 0 || fsync(fd) != 0) {
        int error = errno;
        if (fd >= 0) close(fd);
        throw EAudioError("Cannot write \"" + FTarget + "\": " + std::strerror(error) + ".");
    }
    close(fd);
    if (std::rename(FTemporary.c_str(), FTarget.c_str()) != 0)
        throw EAudioError("Cannot write \"" + FTarget + "\": " + std::strerror(errno) + ".");
    FCommitted = true;
}
