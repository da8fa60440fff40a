// The values the ribbon skins are chosen and drawn by: the style, the colour scheme's accent, and what the
// ribbon and its form tell a skin that draws the form's caption and frame.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <cstdint>

enum TovRibbonStyle : std::uint8_t { rs2007, rs2010, rs2013 };

enum TovRibbonColorSchemeAccent : std::uint8_t { rcsaYellow, rcsaBlue, rcsaGreen, rcsaOrange, rcsaPurple };
constexpr int ovRibbonAccentCount = 5;
// "Yellow", "Blue", "Green", "Orange", "Purple", in the order of the accents.
extern const char* const ovRibbonColorSchemeAccentNames[ovRibbonAccentCount];

// Window states of the form data.
constexpr std::uint8_t ovRibbonFormNormal = 0;
constexpr std::uint8_t ovRibbonFormMinimized = 1;
constexpr std::uint8_t ovRibbonFormMaximized = 2;

// What the ribbon form knows of its non-client area when it is painted: the form rebuilds it before
// every non-client operation, and its caption helper and the skin read it.
struct TovRibbonFormPaintData {
    bool IsActive = false;
    // 0, 0, window width, window height.
    TRect WindowBounds{};
    // The form's border style: 0 none, 1 single, 2 sizeable, 3 dialog, 4 tool window, 5 sizeable tool window.
    std::uint8_t BorderStyle = 0;
    HWND Handle = nullptr;
    std::uint8_t WindowState = ovRibbonFormNormal;
    // The form's style: 1 an MDI child.
    std::uint8_t FormStyle = 0;
    // The form lives inside another window.
    bool Embedded = false;
    // Whether the caption helper gives the form rounded corners (0: square).
    std::uint8_t RoundedCorners = 0;

    friend bool operator==(const TovRibbonFormPaintData&, const TovRibbonFormPaintData&) = default;
};

// What the ribbon hands its skin for the form's caption and frame.
struct TovRibbonSkinPaintData {
    int ApplicationMenuState = 0;
    int TabsGlassHeight = 0;
    // The caption's height with the quick access toolbar in it.
    int CaptionHeight = 0;
    TovRibbonColorSchemeAccent Accent = rcsaYellow;
    TovRibbonFormPaintData FormData{};
    // The ribbon is the client of a ribbon form.
    bool IsRibbonClient = false;
    bool RibbonHidden = false;
    int TabsHeight = 0;
    // The ribbon control's height.
    int RibbonHeight = 0;

    friend bool operator==(const TovRibbonSkinPaintData&, const TovRibbonSkinPaintData&) = default;
};

// Whether a ribbon form gets square lower corners: single, dialog and tool-window borders, MDI children,
// minimized forms and forms without rounded corners do.
bool RibbonFormHasSquareCorners(const TovRibbonFormPaintData& AData);
