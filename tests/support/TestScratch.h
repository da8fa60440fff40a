// The scratch folder of one test process: every test executable runs with $TMPDIR pointing at a folder
// of its own below the build tree, so whatever its tests leave behind is removed with the build and never
// fills the system's temporary folder.
#pragma once

#include <filesystem>

class TTestScratch {
public:
    // Makes a fresh folder below `root`, points $TMPDIR at it and first removes the folders that earlier
    // processes left when they were killed.
    explicit TTestScratch(const std::filesystem::path& root, const std::string& program);
    ~TTestScratch();
    TTestScratch(const TTestScratch&) = delete;
    TTestScratch& operator=(const TTestScratch&) = delete;

    const std::filesystem::path& Folder() const { return FFolder; }

    // Removes the folders below `root` whose process has ended: a live process holds a lock on its
    // folder, which the system drops when the process dies however it dies.
    static void RemoveAbandoned(const std::filesystem::path& root);

private:
    std::filesystem::path FFolder;
    int FLock = -1;
};
