// A fresh, empty folder below the test output folder for one test, removed again at its end.
#pragma once

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
