// A file written under a temporary name beside its target and renamed over the target only once it is
// complete, so a failed or abandoned write never damages an existing file.
#pragma once

#include <string>

class TSafeFileTarget {
public:
    // Raises EAudioError when the target cannot be written (a missing or read-only folder, a read-only
    // existing file).
    explicit TSafeFileTarget(const std::string& target);
    ~TSafeFileTarget(); // removes the temporary file unless committed
    TSafeFileTarget(const TSafeFileTarget&) = delete;
    TSafeFileTarget& operator=(const TSafeFileTarget&) = delete;

    const std::string& TemporaryPath() const { return FTemporary; }
    const std::string& TargetPath() const { return FTarget; }
    // Flushes the temporary file to disk and renames it over the target.
    void Commit();

private:
    std::string FTarget, FTemporary;
    bool FCommitted = false;
};
