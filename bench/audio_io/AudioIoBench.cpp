// Speed and memory of the engine's file and edit paths, side by side with the reference tools in one
// run: opening MP3/OGG/WMA/FLAC as a whole process (what a user waits for) against ffmpeg decoding the
// same file to raw floats as a whole process, saving MP3 against lame, cut/paste/undo in a one-hour
// document, and the resident memory of a one-hour document in both block stores.
#include "audio/AudioEditor2.h"
#include "bench/common/WholeProcess.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace audio_io_bench {

double Seconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool Shell(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

double ShellSeconds(const std::string& command) {
    bool ok = true;
    double s = Seconds([&] { ok = Shell(command); });
    if (!ok) std::printf("  command failed: %s\n", command.c_str());
    return s;
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

// Runs `work` in a child process, so that its resident memory starts from a clean heap.
void InChild(const std::function<void()>& work) {
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        work();
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

void Verdict(const char* what, double value, double limit, const char* unit) {
    std::printf("%-58s %10.3f %-3s (limit %.3f) %s\n", what, value, unit, limit,
                value <= limit ? "ok" : "OVER");
}

} // namespace audio_io_bench

int main(int, char** argv) {
    using namespace audio_io_bench;
    for (const char* tool : {"sox", "lame", "oggenc", "ffmpeg"})
        if (!Shell(std::string("command -v ") + tool)) {
            std::printf("audio_io: skipped, %s is missing\n", tool);
            return 0;
        }
    const char* tmp = std::getenv("TMPDIR");
    std::filesystem::path dir = std::filesystem::path(tmp ? tmp : "/tmp") / "olva-audio-bench";
    std::filesystem::create_directories(dir);
    auto at = [&](const std::string& name) { return (dir / name).string(); };

    std::printf("Preparing a 10-minute 44.1 kHz stereo source...\n");
    Shell("sox -n -r 44100 -c 2 -b 16 '" + at("src.wav") + "' synth 600 sine 440 pinknoise vol 0.4");
    double lameSeconds = ShellSeconds("lame --quiet -b 128 '" + at("src.wav") + "' '" + at("ref.mp3") + "'");
    Shell("oggenc -Q -q 4 '" + at("src.wav") + "' -o '" + at("ref.ogg") + "'");
    Shell("ffmpeg -v error -y -i '" + at("src.wav") + "' -c:a wmav2 -b:a 128k '" + at("ref.wma") + "'");
    Shell("ffmpeg -v error -y -i '" + at("src.wav") + "' '" + at("ref.flac") + "'");

    const std::string opener = (std::filesystem::path(argv[0]).parent_path() / "olva_open_file").string();
    for (const char* name : {"ref.mp3", "ref.ogg", "ref.wma", "ref.flac"}) {
        whole_process::TPair pair = whole_process::Compare(
            {opener, at(name)}, {"ffmpeg", "-v", "error", "-i", at(name), "-f", "f32le", "-y", "/dev/null"},
            5);
        std::printf("open %-8s engine %.3f s, ffmpeg %.3f s (whole processes, medians)%s\n", name, pair.Ours,
                    pair.Reference, pair.Ok ? "" : "  a run failed");
        Verdict(("open " + std::string(name) + " / ffmpeg decode").c_str(), pair.Ratio, 1.0, "x");
    }
    TAudioEditor2 editor;
    editor.SetTempDirectory(dir.string());
    editor.Open(at("ref.mp3"));
    editor.FileFormat().SetMP3CBR(44100, 128, 2);
    double save = Seconds([&] { editor.Save(at("out.mp3"), 0, 2); });
    std::printf("save mp3 128 kbps: engine %.3f s, lame %.3f s\n", save, lameSeconds);
    Verdict("save mp3 128 kbps / lame -b 128", save / lameSeconds, 1.1, "x");
    editor.Close();

    std::printf("Preparing a 1-hour 44.1 kHz stereo source...\n");
    Shell("sox -n -r 44100 -c 2 -b 16 '" + at("hour.wav") + "' synth 3600 sine 440 sine 660 vol 0.4");
    const double floatBytes = 3600.0 * 44100 * 2 * sizeof(float);
    InChild([&] {
        TAudioEditor2 fileStore;
        fileStore.SetTempDirectory(dir.string());
        fileStore.SetMemoryLimit(0);
        fileStore.Open(at("hour.wav"));
        Verdict("resident memory, 1-hour document, file store", ResidentKb() / 1024.0, 300, "MB");
    });
    InChild([&] {
        TAudioEditor2 memory;
        memory.SetMemoryLimit(std::int64_t(1) << 40);
        memory.Open(at("hour.wav"));
        Verdict("resident memory, 1-hour document / float size", ResidentKb() * 1024.0 / floatBytes, 1.15,
                "x");
    });
    TAudioEditor2 hour;
    hour.SetMemoryLimit(std::int64_t(1) << 40);
    hour.Open(at("hour.wav"));
    auto& p = hour.Position();
    p.SetSelection(-1);
    p.SetSelectionStart(p.MsToSamples(600000));
    p.SetSelectionEnd(p.MsToSamples(1200000));
    Verdict("cut 10 minutes from a 1-hour document", Seconds([&] { hour.Cut(); }) * 1000, 10, "ms");
    p.SetCursor(p.MsToSamples(2400000));
    Verdict("paste 10 minutes into a 1-hour document", Seconds([&] { hour.Paste(); }) * 1000, 10, "ms");
    Verdict("undo the paste", Seconds([&] { hour.Undo(); }) * 1000, 10, "ms");
    Verdict("undo the cut", Seconds([&] { hour.Undo(); }) * 1000, 10, "ms");
    std::filesystem::remove_all(dir);
    return 0;
}
