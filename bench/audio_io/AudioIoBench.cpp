// Speed and memory of the engine's file and edit paths, side by side with the reference tools in one
// run: opening MP3/OGG/WMA/FLAC as a whole process (what a user waits for) against ffmpeg decoding the
// same file to raw floats as a whole process, on an idle machine and again with four cores kept busy;
// saving MP3 against lame in the same channel mode (plain and joint stereo, both at the encoder's
// default quality); cut/paste/undo in a one-hour document; and the resident memory of a one-hour
// document in both block stores, after opening it and after an effect over all of it.
#include "audio/AudioEditor2.h"
#include "bench/common/WholeProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

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

// A size in kB from this process's status: "VmRSS" (resident now) or "VmHWM" (its peak).
long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string key = std::string(field) + ":";
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + key.size());
    return 0;
}

long ResidentKb() {
    return StatusKb("VmRSS");
}

long PeakKb() {
    return StatusKb("VmHWM");
}

// Starts the peak over from the present resident size.
void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
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

// Processes that keep `count` cores busy until they are ended (by their ids).
class TBusyCores {
public:
    explicit TBusyCores(int count) {
        for (int i = 0; i < count; ++i) {
            pid_t child = fork();
            if (child == 0) {
                volatile unsigned long spin = 0;
                for (;;)
                    spin = spin + 1;
            }
            if (child > 0) FChildren.push_back(child);
        }
    }
    ~TBusyCores() {
        for (pid_t child : FChildren)
            kill(child, SIGKILL);
        for (pid_t child : FChildren)
            waitpid(child, nullptr, 0);
    }
    TBusyCores(const TBusyCores&) = delete;
    TBusyCores& operator=(const TBusyCores&) = delete;

private:
    std::vector<pid_t> FChildren;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    Shell("lame --quiet -b 128 '" + at("src.wav") + "' '" + at("ref.mp3") + "'");
    Shell("oggenc -Q -q 4 '" + at("src.wav") + "' -o '" + at("ref.ogg") + "'");
    Shell("ffmpeg -v error -y -i '" + at("src.wav") + "' -c:a wmav2 -b:a 128k '" + at("ref.wma") + "'");
    Shell("ffmpeg -v error -y -i '" + at("src.wav") + "' '" + at("ref.flac") + "'");

    const std::string opener = (std::filesystem::path(argv[0]).parent_path() / "olva_open_file").string();
    for (int busy : {0, 4}) {
        // Four busy cores stand for a machine doing other work while the user opens a file: the
        // parallel decode must not lose to a single-threaded decoder there either.
        TBusyCores load(busy);
        for (const char* name : {"ref.mp3", "ref.ogg", "ref.wma", "ref.flac"}) {
            whole_process::TPair pair = whole_process::Compare(
                {opener, at(name)},
                {"ffmpeg", "-v", "error", "-i", at(name), "-f", "f32le", "-y", "/dev/null"}, 5);
            std::printf("open %-8s %s: engine %.3f s (cpu %.3f s), ffmpeg %.3f s (cpu %.3f s) (whole "
                        "processes, medians)%s\n",
                        name, busy ? "4 cores busy" : "idle", pair.Ours, pair.OursCpu, pair.Reference,
                        pair.ReferenceCpu, pair.Ok ? "" : "  a run failed");
            Verdict(("open " + std::string(name) + (busy ? " / ffmpeg, 4 cores busy" : " / ffmpeg decode"))
                        .c_str(),
                    pair.Ratio, 1.0, "x");
        }
    }
    // MP3 saves against lame in the same channel mode, both at their default algorithm quality.
    TAudioEditor2 editor;
    editor.SetTempDirectory(dir.string());
    editor.Open(at("src.wav"));
    for (auto [mode, flag, label] : {std::tuple{1, "s", "plain stereo"}, {2, "j", "joint stereo"}}) {
        std::vector<double> ours, theirs;
        editor.FileFormat().SetMP3CBR(44100, 128, 2, mode);
        for (int run = 0; run < 3; ++run) {
            ours.push_back(Seconds([&] { editor.Save(at("out.mp3"), 0, 2); }));
            theirs.push_back(ShellSeconds("lame --quiet -m " + std::string(flag) + " -b 128 '" +
                                          at("src.wav") + "' '" + at("lame.mp3") + "'"));
        }
        std::printf("save mp3 128 kbps %s: engine %.3f s, lame -m %s %.3f s (medians of 3)\n", label,
                    Median(ours), flag, Median(theirs));
        Verdict(("save mp3 128 kbps " + std::string(label) + " / lame").c_str(),
                Median(ours) / Median(theirs), 1.1, "x");
    }
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
        // The editor as the program makes it: documents up to its default limit (a quarter of the
        // machine's memory) stay in memory.
        TAudioEditor2 memory;
        memory.SetTempDirectory(dir.string());
        std::printf("in-memory limit %.0f MB; 1-hour document %.0f MB of floats\n",
                    double(memory.MemoryLimit()) / (1 << 20), floatBytes / (1 << 20));
        memory.Open(at("hour.wav"));
        Verdict("resident memory after open, 1-hour document / float size",
                ResidentKb() * 1024.0 / floatBytes, 1.15, "x");
        auto& all = memory.Position();
        all.SetSelection(-1);
        all.SetSelectionStart(0);
        all.SetSelectionEnd(all.GetLength());
        ResetPeak();
        memory.Transform().Amplify(50);
        const double peak = PeakKb() * 1024.0 / floatBytes;
        memory.Document().WaitForMoves();
        Verdict("resident memory after an effect over it / float size", ResidentKb() * 1024.0 / floatBytes,
                1.15, "x");
        Verdict("peak resident memory during the effect / float size", peak, 1.5, "x");
        memory.Undo();
        memory.Document().WaitForMoves();
        Verdict("resident memory after undoing it / float size", ResidentKb() * 1024.0 / floatBytes, 1.15,
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
