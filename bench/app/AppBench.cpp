// The program's waits, side by side with the reference where there is one, in one run:
// - opening a one-hour MP3 from the open command to the drawn waveform, against ffmpeg decoding the same
//   file to raw floats (both as whole processes, and the program's own command-to-drawn time against
//   ffmpeg's whole decode);
// - the start-up from the process's entry to the first drawn main window, without the splash picture
//   (the program's own work) and with it (whose fade-in takes a fixed 85 clock ticks).
#include "bench/common/WholeProcess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
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
    return 0;
}
