// A window as the headless screen shows it, written as a PNG under build/test-output/bars.
#pragma once

#include "platform/gdi/Surface.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace customform_test {

inline void SaveWindowPicture(HWND AWindow, const std::string& AName) {
    std::shared_ptr<TSurface> screen = olva::win::ComposeScreen();
    ASSERT_TRUE(screen != nullptr);
    RECT r{};
    GetWindowRect(AWindow, &r);
    const RECT origin = olva::win::VirtualScreen();
    TSurface part(r.right - r.left, r.bottom - r.top);
    for (int y = 0; y < part.Height(); ++y)
        for (int x = 0; x < part.Width(); ++x)
            part.SetPixel(x, y, screen->Pixel(r.left + x - origin.left, r.top + y - origin.top));
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "bars";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(SaveSurfaceToPng(part, (dir / AName).string()));
}

} // namespace customform_test
