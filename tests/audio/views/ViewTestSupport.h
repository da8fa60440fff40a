// Fixture of the view tests: a shown form holding one sound editor control, driven by scripted input
// through the window system (the class library's control-test fixture), with helpers for documents,
// geometry, the application's two workplace colour sets and pictures.
#pragma once

#include "StdCtrlsTestSupport.h"
#include "audio/AudioEditor2.h"
#include "audio/views/AudioEditorSurface.h"

#include <string>
#include <vector>

namespace view_test {

// A stereo test piece, interleaved: tones with envelopes on the left, drum-like bursts over a bass on
// the right, so that the two channels look different.
std::vector<float> TestSong(int sampleRate, double seconds);
// A sine of `hz` at `level` (1 = full scale) on every channel, interleaved.
std::vector<float> Sine(int sampleRate, int channels, double hz, double level, std::int64_t frames);

// The application's workplace colour sets, as it applies them.
void ApplyDarkWorkplace(TAudioEditor2& editor);
void ApplyLightWorkplace(TAudioEditor2& editor);

// Writes a window's picture to build/test-output/audio-views/<name>.png; returns the path.
std::string SavePicture(HWND window, const std::string& name);

class EditorViewTest : public stdctrls_test::StdCtrlsTest {
protected:
    void SetUp() override;

    // A new document of the samples (interleaved), the whole of it in view.
    void Load(const std::vector<float>& interleaved, int channels, int sampleRate = 44100);
    TAudioEditorSurface* Surface() { return editor->Surface(); }
    TWaveLayout Layout() { return Surface()->CurrentLayout(); }
    TViewMapping Mapping() { return Surface()->CurrentMapping(Layout()); }
    // The surface's pixel column of a frame, and the vertical middle of the first lane.
    int XOf(std::int64_t frame) { return Mapping().XOf(frame); }
    int LaneY(int lane = 0);
    // The colour the screen shows at a point of the surface.
    TColor SurfaceColor(int x, int y) { return ColorAt(Surface(), x, y); }
    // Mouse actions with a key held (VK_SHIFT, VK_CONTROL).
    void ClickWith(int vk, int x, int y);
    void WheelWith(int vk, int x, int y, int delta);

    TAudioEditor2* editor = nullptr;
    int positionEvents = 0;
};

} // namespace view_test
