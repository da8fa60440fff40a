#include "source/recording/ToolSound.h"

#include "audio/AudioEditor2.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Paths.h"
#include "source/FileNameHelpers.h"
#include "source/GlobalVars.h"
#include "source/recording/EditorHost.h"

#include <algorithm>
#include <array>

namespace tool_sound_detail {
constexpr std::array<int, 12> DocumentRates{6000,  8000,  11025, 12000, 16000, 22050,
                                            24000, 32000, 44100, 48000, 88200, 96000};
} // namespace tool_sound_detail

TToolSoundFormat DocumentSoundFormat(TAudioEditor2& Editor) {
    using namespace tool_sound_detail;
    const int rate = Editor.FileInfo().GetSampleRate();
    const int channels = Editor.FileInfo().GetChannels();
    TToolSoundFormat format;
    if (std::find(DocumentRates.begin(), DocumentRates.end(), rate) != DocumentRates.end())
        format.SampleRate = rate;
    if (channels == 1 || channels == 2) format.Channels = channels;
    return format;
}

std::optional<TToolSoundFormat> ChooseToolSoundFormat(IEditorHost& Host) {
    if (Host.DocumentOpen()) return DocumentSoundFormat(Host.Editor());
    const TGlobalVars& settings = GlobalVars();
    TToolSoundFormat format{settings.OP_DefSample, settings.OP_DefChannel};
    if (settings.OP_PromptNewFile && !Host.PromptNewFileFormat(format.SampleRate, format.Channels))
        return std::nullopt;
    return format;
}

std::string PrepareToolSoundFile(const std::string& Name) {
    // Never beside the program: without a folder of the settings the system's temporary folder serves.
    std::string folder = GlobalVars().TempFolder;
    if (folder.empty()) folder = GetTempFolder();
    folder = AddTrailingBackslash(folder);
    ForceDirectories(folder);
    const std::string path = folder + Name;
    DeleteFile(path);
    return path;
}

bool InsertToolSoundFile(IEditorHost& Host, bool HadDocument, const TToolSoundFormat& Format,
                         const std::string& Path) {
    if (!HadDocument && !Host.NewAudioFile(Format.SampleRate, Format.Channels)) return false;
    Host.InsertFileAtCursor(Path);
    return true;
}

TToolSoundFileRemover::~TToolSoundFileRemover() {
    if (!FPath.empty()) DeleteFile(FPath);
}
