// What the record and text-to-speech commands share: the format their sound is made in, the file in
// the temporary folder it is made into, and how the finished file comes into the document.
#pragma once

#include <optional>
#include <string>

class IEditorHost;
class TAudioEditor2;

struct TToolSoundFormat {
    int SampleRate = 44100;
    int Channels = 2;
    friend bool operator==(const TToolSoundFormat&, const TToolSoundFormat&) = default;
};

// The open document's format as the tools take it: its rate when it is one of 6000, 8000, 11025,
// 12000, 16000, 22050, 24000, 32000, 44100, 48000, 88200 or 96000 Hz, else 44100; its channel count
// when it is 1 or 2, else 2.
TToolSoundFormat DocumentSoundFormat(TAudioEditor2& Editor);

// The format of the sound a tool makes: the open document's, or without one the default of the
// settings — or, when the settings ask for it, the new-file dialog's choice. Nothing when that dialog
// is cancelled.
std::optional<TToolSoundFormat> ChooseToolSoundFormat(IEditorHost& Host);

// The path `Name` in the temporary folder of the settings, which is created with its missing parents;
// a file of that name left from before is deleted.
std::string PrepareToolSoundFile(const std::string& Name);

// Brings a finished sound file into the document at the cursor. When no document was open
// (`HadDocument` false) a new, empty one is made first in `Format`; when that fails nothing is inserted
// and the result is false.
bool InsertToolSoundFile(IEditorHost& Host, bool HadDocument, const TToolSoundFormat& Format,
                         const std::string& Path);

// Deletes the file (when there is one) as the object goes, whatever ends the command.
class TToolSoundFileRemover {
public:
    explicit TToolSoundFileRemover(std::string Path) : FPath(std::move(Path)) {}
    ~TToolSoundFileRemover();
    TToolSoundFileRemover(const TToolSoundFileRemover&) = delete;
    TToolSoundFileRemover& operator=(const TToolSoundFileRemover&) = delete;
    // The file stays.
    void Keep() { FPath.clear(); }

private:
    std::string FPath;
};
