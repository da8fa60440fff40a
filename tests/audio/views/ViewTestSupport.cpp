#include "ViewTestSupport.h"

#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>
#include <random>

namespace view_test {

std::vector<float> TestSong(int sampleRate, double seconds) {
    const std::int64_t frames = std::int64_t(seconds * sampleRate);
    std::vector<float> out(std::size_t(frames) * 2);
    const double notes[] = {261.6, 329.6, 392.0, 523.3, 440.0, 349.2, 293.7, 246.9};
    const double beat = 0.5; // seconds
    std::mt19937 rng(5);
    std::normal_distribution<float> noise(0.0f, 1.0f);
    float low = 0;
    const double pi2 = 2 * std::numbers::pi;
    for (std::int64_t i = 0; i < frames; ++i) {
        const double t = double(i) / sampleRate;
        const int n = int(t / beat);
        const double since = t - n * beat;
        const double f = notes[n % 8];
        // A swelling melody: each note rises quickly and fades; the piece grows louder and softer.
        const double swell = 0.55 + 0.4 * std::sin(pi2 * t / seconds);
        const double env = std::min(1.0, since / 0.02) * std::exp(-since * 3.0) * swell;
        // Harmonics falling off gently, so the spectral view shows a ladder above each note.
        double tone = 0;
        for (int h = 1; h <= 12; ++h)
            tone += std::sin(pi2 * h * f * t) / (h * 1.6);
        const double left = env * 0.55 * tone;
        // Drum bursts every beat, a bass underneath, quieter in the first half.
        low += 0.2f * (noise(rng) - low);
        const double drum = std::exp(-since * 18.0) * (n % 2 == 0 ? 0.9 : 0.45) * low * 1.2;
        const double bass = 0.25 * std::sin(pi2 * 55.0 * t) * (0.4 + 0.6 * t / seconds);
        out[std::size_t(i) * 2] = float(std::clamp(left, -1.0, 1.0));
        out[std::size_t(i) * 2 + 1] = float(std::clamp(drum + bass, -1.0, 1.0));
    }
    return out;
}

std::vector<float> Sine(int sampleRate, int channels, double hz, double level, std::int64_t frames) {
    std::vector<float> out(std::size_t(frames) * std::size_t(channels));
    for (std::int64_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            out[std::size_t(i * channels + c)] =
                float(level * std::sin(2 * std::numbers::pi * hz * double(i) / sampleRate));
    return out;
}

namespace {

struct TColorSetting {
    int Number;
    BYTE R, G, B;
};

// In the order the application sets them.
void ApplyColors(TAudioEditor2& editor, std::initializer_list<TColorSetting> settings) {
    for (const TColorSetting& c : settings)
        editor.Colors().SetColor(c.Number, RGB(c.R, c.G, c.B));
}

} // namespace

void ApplyDarkWorkplace(TAudioEditor2& editor) {
    ApplyColors(editor, {{1, 0, 0, 0},
                         {9, 102, 255, 102},
                         {14, 102, 255, 102},
                         {13, 0, 0, 0},
                         {11, 128, 128, 128},
                         {2, 255, 255, 255},
                         {5, 255, 255, 255},
                         {4, 5, 95, 167},
                         {3, 128, 128, 128},
                         {8, 0, 0, 0},
                         {6, 255, 255, 255}});
}

void ApplyLightWorkplace(TAudioEditor2& editor) {
    ApplyColors(editor, {{9, 0, 0, 100},
                         {14, 0, 0, 100},
                         {13, 255, 255, 255},
                         {11, 0, 0, 0},
                         {2, 0, 0, 200},
                         {5, 0, 0, 200},
                         {4, 0, 0, 0},
                         {3, 0, 0, 0},
                         {8, 0, 0, 0},
                         {10, 0, 0, 0},
                         {7, 255, 0, 0},
                         {12, 0, 0, 0},
                         {6, 255, 255, 255},
                         {1, 0, 0, 0},
                         {15, 219, 142, 87},
                         {16, 219, 142, 87},
                         {17, 219, 142, 87}});
}

std::string SavePicture(HWND window, const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(stdctrls_test::TestOutDir()) / "audio-views";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / (name + ".png")).string();
    EXPECT_TRUE(olva::win::SaveWindowPng(window, path)) << path;
    return path;
}

void EditorViewTest::SetUp() {
    StdCtrlsTest::SetUp();
    form->SetBounds(40, 40, 820, 470);
    editor = new TAudioEditor2(form);
    editor->SetParent(form);
    editor->SetBounds(8, 8, 780, 400);
    editor->OnChangePosition = [this] { ++positionEvents; };
    ShowForm();
}

void EditorViewTest::Load(const std::vector<float>& interleaved, int channels, int sampleRate) {
    editor->New(sampleRate, channels);
    editor->PutSamples(interleaved);
    editor->Position().SetSelection(0);
    editor->Position().SetCursor(0);
    editor->ZoomFull();
    Pump();
}

int EditorViewTest::LaneY(int lane) {
    const TWaveLayout layout = Layout();
    const RECT r = layout.LaneList.at(std::size_t(lane)).Rect;
    return (r.top + r.bottom) / 2;
}

void EditorViewTest::ClickWith(int vk, int x, int y) {
    olva::win::InjectKey(vk, true);
    Click(Surface(), x, y);
    olva::win::InjectKey(vk, false);
    Pump();
}

void EditorViewTest::WheelWith(int vk, int x, int y, int delta) {
    olva::win::InjectKey(vk, true);
    Wheel(Surface(), x, y, delta);
    olva::win::InjectKey(vk, false);
    Pump();
}

} // namespace view_test
