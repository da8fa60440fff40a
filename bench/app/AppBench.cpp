// The program's waits, side by side with the reference where there is one, in one run:
// - opening a one-hour MP3 from the open command to the drawn waveform, against ffmpeg decoding the same
//   file to raw floats (both as whole processes, and the program's own command-to-drawn time against
//   ffmpeg's whole decode);
// - the start-up from the process's entry to the first drawn main window, without the splash picture
//   (the program's own work) and with it (whose fade-in takes a fixed 85 clock ticks).
#include "bench/common/WholeProcess.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace app_bench {

namespace fs = std::filesystem;

bool Shell(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The figures a program wrote into its report file, by name, in order.
std::map<std::string, std::vector<double>> ReadReport(const std::string& path) {
    std::map<std::string, std::vector<double>> figures;
    std::ifstream in(path);
    std::string name;
    double value = 0;
    while (in >> name >> value)
        figures[name].push_back(value);
    return figures;
}

// A virtual X server on a free display, made DISPLAY; 0 when none could start.
pid_t StartVirtualDisplay() {
    if (!Shell("command -v Xvfb")) return 0;
    int fds[2];
    if (::pipe(fds) != 0) return 0;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1600x900x24", "-nolisten", "tcp",
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    char number[16] = {};
    const ssize_t n = ::read(fds[0], number, sizeof number - 1);
    ::close(fds[0]);
    if (n <= 0) return pid;
    const std::string display = ":" + std::string(number, std::size_t(n - (number[n - 1] == '\n')));
    ::setenv("DISPLAY", display.c_str(), 1);
    return pid;
}

void Verdict(const std::string& what, double value, double limit, const char* unit) {
    std::printf("%-70s %8.3f %-2s (limit %.3f) %s\n", what.c_str(), value, unit, limit,
                value <= limit ? "ok" : "OVER");
}

} // namespace app_bench

int main(int, char** argv) {
    using namespace app_bench;
    if (!Shell("command -v ffmpeg")) {
        std::printf("app: skipped, ffmpeg is missing\n");
        return 0;
    }
    const fs::path here = fs::absolute(argv[0]).parent_path();
    const std::string opener = (here / "olva_app_open").string();
    const std::string starter = (here / "olva_app_start").string();
    // The build puts the splash picture and the version file beside the program.
    const std::string programFolder = (here.parent_path().parent_path() / "source").string() + "/";
    const char* tmp = std::getenv("TMPDIR");
    const fs::path dir = fs::path(tmp ? tmp : "/tmp") / "olva-app-bench";
    fs::create_directories(dir);
    auto at = [&](const std::string& name) { return (dir / name).string(); };

    const std::string hour = at("hour.mp3");
    if (!fs::exists(hour)) {
        std::printf("Preparing a 1-hour 44.1 kHz stereo MP3 at 192 kbps...\n");
        Shell(
            "ffmpeg -v error -y -f lavfi -i 'sine=frequency=440:sample_rate=44100:duration=3600' -f lavfi -i "
            "'anoisesrc=color=pink:sample_rate=44100:duration=3600:amplitude=0.2' -filter_complex "
            "'[0][1]amerge=inputs=2' -ac 2 -c:a libmp3lame -b:a 192k '" +
            hour + "'");
    }

    const std::string report = at("report.txt");
    fs::remove(report);
    fs::remove_all(at("scratch"));
    const whole_process::TPair open =
        whole_process::Compare({opener, at("scratch"), hour, report},
                               {"ffmpeg", "-v", "error", "-i", hour, "-f", "f32le", "-y", "/dev/null"}, 3);
    std::vector<double> inProcess = ReadReport(report)["open_to_drawn_seconds"];
    if (!inProcess.empty()) inProcess.erase(inProcess.begin()); // the warm-up
    const double command = whole_process::Median(inProcess);
    std::printf(
        "open 1-hour MP3: program %.3f s whole process (%.3f s from the command to the drawn waveform), "
        "ffmpeg decode %.3f s (medians)%s\n",
        open.Ours, command, open.Reference, open.Ok ? "" : "  [a run failed]");
    Verdict("open 1-hour MP3, command to drawn waveform / ffmpeg decode", command / open.Reference, 1.3, "x");
    Verdict("open 1-hour MP3, whole processes / ffmpeg decode", open.Ratio, 1.3, "x");

    const std::string emptyFolder = at("no-splash") + "/";
    fs::create_directories(emptyFolder);
    for (const auto& [label, folder] :
         {std::pair<std::string, std::string>{"without the splash", emptyFolder},
          {"with the splash", programFolder}}) {
        fs::remove(report);
        for (int i = 0; i < 8; ++i) {
            fs::remove_all(at("scratch-start"));
            whole_process::Run({starter, at("scratch-start"), folder, report});
        }
        for (auto& [name, values] : ReadReport(report)) {
            values.erase(values.begin());
            const double median = whole_process::Median(values);
            const std::string screen = name.ends_with("screen") ? "screen" : "memory screen";
            if (label == "without the splash")
                Verdict("start-up to the first drawn main window (" + screen + ", " + label + ")", median,
                        0.5, "s");
            else
                std::printf(
                    "%-70s %8.3f s  (the fade-in alone takes 85 clock ticks)\n",
                    ("start-up to the first drawn main window (" + screen + ", " + label + ")").c_str(),
                    median);
        }
    }

    // As a user waits: the real program, from its start to its painted main window on an X server, next
    // to the in-process figure of the same start on the same server.
    pid_t xvfb = 0;
    if (std::getenv("DISPLAY") == nullptr) xvfb = StartVirtualDisplay();
    if (std::getenv("DISPLAY") == nullptr) {
        std::printf("start-up as a user waits: skipped, no display and no Xvfb\n");
        return 0;
    }
    const std::string program = (here.parent_path().parent_path() / "source" / "olva").string();
    // The program without its splash picture: a copy in a folder of its own.
    const std::string bare = emptyFolder + "olva";
    fs::copy_file(program, bare, fs::copy_options::overwrite_existing);
    for (const auto& [label, binary, folder] :
         {std::tuple<std::string, std::string, std::string>{"without the splash", bare, emptyFolder},
          {"with the splash", program, programFolder}}) {
        fs::remove(report);
        for (int i = 0; i < 8; ++i) {
            fs::remove_all(at("scratch-start"));
            whole_process::Run({starter, at("scratch-start"), folder, report});
        }
        whole_process::Run(
            {(here / "olva_app_start_as_user").string(), at("scratch-user"), binary, "8", report});
        auto figures = ReadReport(report);
        std::vector<double>& inProcess = figures["start_to_drawn_seconds_screen"];
        std::vector<double>& asUser = figures["start_as_user_seconds"];
        if (!inProcess.empty()) inProcess.erase(inProcess.begin());
        if (!asUser.empty()) asUser.erase(asUser.begin());
        const double user = whole_process::Median(asUser), own = whole_process::Median(inProcess);
        std::printf("start-up %-18s: as a user waits %.3f s (process start to painted main window, X "
                    "server), in-process %.3f s (from main() to drawn), ratio %.2f%s\n",
                    label.c_str(), user, own, own > 0 ? user / own : 0.0,
                    figures.count("start_as_user_not_ended_by_sigterm") ? "  [SIGTERM did not end it]" : "");
    }
    if (xvfb > 0) {
        ::kill(xvfb, SIGTERM);
        ::waitpid(xvfb, nullptr, 0);
    }
    return 0;
}
