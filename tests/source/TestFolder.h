// A fresh, empty folder below the test output folder for one test, removed again at its end.
#pragma once

#include "tests/support/FileSizeLimit.h"

#include <filesystem>
#include <string>

class TTestFolder {
public:
    explicit TTestFolder(const std::string& name);
    ~TTestFolder();
    TTestFolder(const TTestFolder&) = delete;
    TTestFolder& operator=(const TTestFolder&) = delete;

    // The folder's path with a trailing "/".
    std::string Path() const { return FPath.string() + "/"; }
    // Writes a file below the folder and returns its path.
    std::string Write(const std::string& name, const std::string& content) const;
    std::string Read(const std::string& name) const;

private:
    std::filesystem::path FPath;
};

// While it lives, files below `folder` cannot be written: the folder is made read-only, and since the
// super-user writes anyway, the process's file-size limit is set to 0 as well (with the limit signal
// ignored, so writes fail with an error instead).
class TUnwritableFolder {
public:
    explicit TUnwritableFolder(const std::string& folder);
    ~TUnwritableFolder();
    TUnwritableFolder(const TUnwritableFolder&) = delete;
    TUnwritableFolder& operator=(const TUnwritableFolder&) = delete;

private:
    std::string FFolder;
    TFileSizeLimit FNoWrites{0};
};

#include <vector>

// The lines of a text file that are not blank, without their line breaks.
std::vector<std::string> NonBlankLines(const std::string& text);
