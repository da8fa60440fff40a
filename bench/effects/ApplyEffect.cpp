// Opens a sound file in the editor, applies one effect to all of it and saves it as a WAV file of the
// source's rate, channels and sample size: the whole of what a user waits for, so the benchmark can time
// it as one process against the reference tool doing the same.
//
// Usage: olva_apply_effect IN OUT EFFECT [--phases]   (EFFECT as named by olva_bench_effects; --phases
// prints to standard error the seconds of each step, and the wall-clock time as main starts and as the
// work ends, to set against the process's own start and end: what loading the program and ending it
// cost)
#include "audio/AudioDecoder.h"
#include "audio/AudioEditor2.h"
#include "audio/AudioError.h"
#include "bench/effects/EffectCases.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

int main(int argc, char** argv) {
    const bool phases = argc == 5 && std::strcmp(argv[4], "--phases") == 0;
    if (argc != 4 && !phases) {
        std::fprintf(stderr, "usage: olva_apply_effect IN OUT EFFECT [--phases]\n");
        return 2;
    }
    const std::optional<effects_bench::TCase> effect = effects_bench::Find(argv[3]);
    if (!effect) {
        std::fprintf(stderr, "unknown effect %s\n", argv[3]);
        return 2;
    }
    if (phases) {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::fprintf(stderr, "main %ld.%09ld\n", long(now.tv_sec), long(now.tv_nsec));
    }
    const auto started = std::chrono::steady_clock::now();
    auto lap = [&, at = started](const char* phase) mutable {
        const auto now = std::chrono::steady_clock::now();
        if (phases)
            std::fprintf(stderr, "%s %.3f s\n", phase, std::chrono::duration<double>(now - at).count());
        at = now;
    };
    try {
        int bits = 16;
        {
            TAudioDecoder source(argv[1]);
            bits = source.BitsPerSample();
        }
        lap("probe");
        TAudioEditor2 editor;
        editor.Open(argv[1]);
        lap("open");
        auto& position = editor.Position();
        position.SetSelection(-1);
        position.SetSelectionStart(0);
        position.SetSelectionEnd(position.GetLength());
        effect->Apply(editor);
        lap("effect");
        editor.FileFormat().SetWAV(editor.FileInfo().GetSampleRate(), editor.FileInfo().GetChannels(), bits);
        editor.Save(argv[2], 0, 1);
        lap("save");
        editor.Close();
        lap("close");
        if (phases) {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::fprintf(stderr, "end %ld.%09ld\n", long(now.tv_sec), long(now.tv_nsec));
        }
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", error.Message().c_str());
        return 1;
    }
    return 0;
}
