#include "source/SystemFolders.h"

#include "TestFolder.h"
#include "tests/support/EnvironmentGuard.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(SystemFoldersTest, AppDataFollowsConfigHomeElseHome) {
    TEnvironmentGuard env;
    env.Set("HOME", "/home/someone");
    env.Set("XDG_CONFIG_HOME", "/custom/config/");
    EXPECT_EQ(ShellFolderPath("AppData"), "/custom/config");
    env.Set("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(ShellFolderPath("AppData"), "/home/someone/.config");
    env.Set("XDG_CONFIG_HOME", "relative/ignored");
    EXPECT_EQ(ShellFolderPath("AppData"), "/home/someone/.config");
}

TEST(SystemFoldersTest, MusicFolderAsksTheDesktopElseHomeMusic) {
    TTestFolder bin("fakebin");
    const std::string script =
        bin.Write("xdg-user-dir", "#!/bin/sh\n[ \"$1\" = MUSIC ] && echo /data/tunes\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    TEnvironmentGuard env;
    env.Set("HOME", "/home/someone");
    env.Set("PATH", bin.Path()); // the test machine may have its own xdg-user-dir
    EXPECT_EQ(ShellFolderPath("My Music"), "/data/tunes");

    std::filesystem::remove(script);
    EXPECT_EQ(ShellFolderPath("My Music"), "/home/someone/Music");
}

TEST(SystemFoldersTest, UnknownEntryGivesHome) {
    TEnvironmentGuard env;
    env.Set("HOME", "/home/someone/");
    EXPECT_EQ(ShellFolderPath("Favorites"), "/home/someone");
}

TEST(SystemFoldersTest, PlatformVersionCountsAsNewer) {
    EXPECT_TRUE(IsWindowsVistaOrLater());
}

} // namespace
