// Drawing cost of the sound editor's view on the headless screen, 1600 × 600 pixels of lanes and scales:
// a 1-hour stereo document at full, mid (one minute across) and sample zoom, side by side with the same
// full view of a 1-minute document (the cost must not grow with the length), scrolling by a screen,
// and the spectral view's first draw and its redraws from what it keeps.
#include "audio/AudioEditor2.h"
#include "audio/views/AudioEditorSurface.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace audio_views_bench {

constexpr int Rate = 44100;

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The median of `runs` timings of `work`, each after `prepare` (not timed).
double Median(int runs, const std::function<void(int)>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare(i);
        times.push_back(Milliseconds(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Verdict(const char* what, double value, double limit, const char* unit) {
    std::printf("%-62s %9.3f %-3s (limit %.3f) %s\n", what, value, unit, limit,
                value <= limit ? "ok" : "OVER");
}

// A document of `seconds` of music-like stereo sound, every second different, built block by block.
void Fill(TAudioEditor2& editor, double seconds) {
    editor.New(Rate, 2);
    TAudioDocument& doc = editor.Document();
    TSequenceBuilder builder = doc.MakeBuilder();
    std::vector<float> second(std::size_t(Rate) * 2);
    const double pi2 = 2 * std::numbers::pi;
    std::uint32_t noise = 1;
    for (int s = 0; s < int(seconds); ++s) {
        const double f = 110.0 * std::pow(2.0, (s % 24) / 12.0), gain = 0.3 + 0.6 * ((s * 7) % 10) / 10.0;
        for (int i = 0; i < Rate; ++i) {
            const double t = double(i) / Rate, env = std::exp(-3.0 * std::fmod(t, 0.5));
            noise = noise * 1664525u + 1013904223u;
            const double n = double(noise >> 8) / double(1u << 24) - 0.5;
            second[std::size_t(i) * 2] = float(gain * env * std::sin(pi2 * f * t));
            second[std::size_t(i) * 2 + 1] = float(gain * (0.5 * env * n + 0.3 * std::sin(pi2 * 55 * t)));
        }
        builder.AppendInterleaved(second.data(), Rate);
    }
    doc.Insert(0, builder.Finish());
    editor.ZoomFull();
}

// A shown window whose editor's lanes and scales take 1600 × 600 pixels.
TAudioEditor2* MakeView() {
    TForm* form = TCustomForm::New<TForm>(nullptr);
    form->SetBounds(0, 0, 1700, 700);
    auto* editor = new TAudioEditor2(form);
    editor->SetMemoryLimit(std::int64_t(1) << 40);
    editor->SetParent(form);
    editor->SetAlign(alClient);
    form->SetClientSize(1600, 600);
    form->Show();
    Application()->ProcessMessages();
    return editor;
}

} // namespace audio_views_bench

int main(int argc, char** argv) {
    // "audio_views_bench profile" draws only the 1-hour full view, "profile-spectral" only a spectral
    // screen seen before, many times, for a profiler.
    const std::string profile = argc > 1 ? argv[1] : "";
    using namespace audio_views_bench;
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    Application()->Initialize();
    TAudioEditor2* minuteEditor = MakeView();
    TAudioEditor2* editor = MakeView();
    std::printf("view %d x %d pixels\n", editor->Surface()->Width(), editor->Surface()->Height());
    auto repaint = [&] { editor->Surface()->Repaint(); };
    TAudioEditor2Position& position = editor->Position();
    constexpr int runs = 41;

    std::printf("Building a 1-minute and a 1-hour stereo document...\n");
    Fill(*minuteEditor, 60);
    const std::int64_t minute = minuteEditor->Position().GetLength();
    Fill(*editor, 3600);
    const std::int64_t hour = position.GetLength();
    // The first picture of a window also makes its buffer and meets the fonts; the very first full
    // view of a document also makes the summary levels of its blocks, once.
    std::printf("1-minute full view, the window's first picture: %.3f ms\n",
                Milliseconds([&] { minuteEditor->Surface()->Repaint(); }));
    std::printf("1-hour full view, the window's first picture (levels made): %.3f ms\n",
                Milliseconds(repaint));

    // Full views drawn for the first time (each view alternates between two full-width ranges), the
    // two documents in turn, so that both meet the same machine.
    auto freshFull = [](TAudioEditor2* e, int i) { e->ZoomToRange(0, e->Position().GetLength() - (i % 2)); };
    if (profile == "profile") {
        Median(
            2001, [&](int i) { freshFull(editor, i); }, repaint);
        return 0;
    }
    if (profile == "profile-spectral") {
        editor->SetTypeView(1);
        Median(
            501, [&](int i) { editor->ZoomToRange(hour / 2 + (i % 2) * 2, hour / 2 + (i % 2) * 2 + minute); },
            repaint);
        return 0;
    }
    std::vector<double> minuteTimes, hourTimes;
    for (int i = 0; i < runs; ++i) {
        freshFull(minuteEditor, i);
        minuteTimes.push_back(Milliseconds([&] { minuteEditor->Surface()->Repaint(); }));
        freshFull(editor, i);
        hourTimes.push_back(Milliseconds(repaint));
    }
    std::sort(minuteTimes.begin(), minuteTimes.end());
    std::sort(hourTimes.begin(), hourTimes.end());
    const double minuteFull = minuteTimes[runs / 2], hourFull = hourTimes[runs / 2];
    std::printf("full view, first draw: 1 minute %.3f ms, 1 hour %.3f ms\n", minuteFull, hourFull);
    Verdict("1-hour full view, first draw", hourFull, 4, "ms");
    Verdict("1-hour full view / 1-minute full view", hourFull / minuteFull, 1.2, "x");
    Verdict("1-hour full view, redraw (cursor moved)",
            Median(
                runs, [&](int i) { position.SetCursor(hour / 3 + i * 1000); }, repaint),
            4, "ms");
    const std::int64_t middle = hour / 2;
    Verdict("1-hour mid zoom (1 minute across), first draw",
            Median(
                runs, [&](int i) { editor->ZoomToRange(middle + i, middle + i + minute); }, repaint),
            4, "ms");
    Verdict("1-hour sample zoom (800 frames across), first draw",
            Median(
                runs, [&](int i) { editor->ZoomToRange(middle + i, middle + i + 800); }, repaint),
            4, "ms");
    Verdict("1-hour sample zoom (40 frames across, points), first draw",
            Median(
                runs, [&](int i) { editor->ZoomToRange(middle + i, middle + i + 40); }, repaint),
            4, "ms");

    // Scrolling: each step moves the mid-zoom view on by one screen.
    std::int64_t start = hour / 4;
    Verdict("scroll one screen at mid zoom, per step",
            Median(
                runs,
                [&](int) {
                    start += minute;
                    editor->ZoomToRange(start, start + minute);
                },
                repaint),
            4, "ms");

    // The spectral view: a screen never drawn before, then again.
    editor->SetTypeView(1);
    std::int64_t unseen = hour / 8;
    const double first = Median(
        9,
        [&](int) {
            unseen += 2 * minute;
            editor->ZoomToRange(unseen, unseen + minute);
        },
        repaint);
    Verdict("spectral view at mid zoom, first draw", first, 100, "ms");
    Verdict("spectral view at mid zoom, redraw (cursor moved)",
            Median(
                runs, [&](int i) { position.SetCursor(unseen + i * 100); }, repaint),
            4, "ms");
    // Back to a screen drawn before: the picture is made again from the spectra kept per block.
    std::int64_t seen = unseen;
    Verdict("spectral view, a screen seen before, from the kept spectra",
            Median(
                runs,
                [&](int i) {
                    seen = unseen + (i % 2) * 2;
                    editor->ZoomToRange(seen, seen + minute);
                },
                repaint),
            4, "ms");

    FinalizeVcl();
    return 0;
}
