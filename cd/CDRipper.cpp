#include "cd/CDRipper.h"

#include "cd/CDDevice.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Paths.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <utility>
#include <vector>

namespace cd_ripper_detail {

// A data track of a second session starts this many frames after the last audio track's end.
constexpr std::int32_t SessionGapFrames = 11400;
// How often a frame that cannot be read is tried again before the rip fails.
constexpr int MaxRetries = 5;

// Reads audio frames of one drive: READ CD through the pass-through, or the control call once the
// pass-through has been refused.
class TDriveAudioReader {
public:
    explicit TDriveAudioReader(std::unique_ptr<ICDDevice> Device) : FDevice(std::move(Device)) {}

    TCDStatus Read(std::int32_t Lba, int Frames, std::uint8_t* Buffer) {
        if (!FUseIoctl) {
            const std::uint8_t cdb[12] = {scsi::ReadCd,
                                          0x04, // expected sector type: CD-DA
                                          std::uint8_t(Lba >> 24),
                                          std::uint8_t(Lba >> 16),
                                          std::uint8_t(Lba >> 8),
                                          std::uint8_t(Lba),
                                          std::uint8_t(Frames >> 16),
                                          std::uint8_t(Frames >> 8),
                                          std::uint8_t(Frames),
                                          0x10, // user data only
                                          0,
                                          0};
            const TCDStatus status = FDevice->PassThrough(cdb, sizeof cdb, Buffer, Frames * AudioFrameBytes,
                                                          scsi::ReadCdTimeoutMs);
            if (status != TCDStatus::PermissionDenied) return status;
            FUseIoctl = true;
        }
        return FDevice->IoctlReadAudio(Lba, Frames, Buffer);
    }

private:
    std::unique_ptr<ICDDevice> FDevice;
    bool FUseIoctl = false;
};

// What the reader's callbacks work on: one rip on this thread at a time.
struct TRipContext {
    TDriveAudioReader* Reader = nullptr;
    std::int32_t FirstLba = 0;
    std::int32_t FrameCount = 0;
    TCDStatus LastError = TCDStatus::Ok;
    bool Skipped = false;   // the reader gave up on a frame
    bool Abandoned = false; // the disc or the drive went away: no use retrying
    std::vector<std::uint8_t> Scratch;
};
thread_local TRipContext* CurrentRip = nullptr;

long ReadAudioFrames(cdrom_drive_t*, void* Buffer, lsn_t Begin, long Frames) {
    TRipContext& rip = *CurrentRip;
    if (rip.Abandoned) return -1;
    if (Begin < 0 || Begin >= rip.FrameCount) return -1;
    Frames = std::min<long>(Frames, rip.FrameCount - Begin);
    std::uint8_t* target = static_cast<std::uint8_t*>(Buffer);
    if (target == nullptr) { // the reader only wants the drive to seek there
        rip.Scratch.resize(static_cast<std::size_t>(Frames) * AudioFrameBytes);
        target = rip.Scratch.data();
    }
    const TCDStatus status = rip.Reader->Read(rip.FirstLba + Begin, static_cast<int>(Frames), target);
    if (status == TCDStatus::Ok) return Frames;
    rip.LastError = status;
    if (status == TCDStatus::NoMedium || status == TCDStatus::NoDevice) rip.Abandoned = true;
    return -1;
}

void ReaderCallback(long, paranoia_cb_mode_t Mode) {
    if (Mode == PARANOIA_CB_SKIP) CurrentRip->Skipped = true;
}

// The error-correcting reader works on a disc it opens itself. It is given a stand-in: a cue sheet of
// one audio track of the right length over an empty (sparse) image, and its frame reads are sent to
// the real drive instead.
class TReaderDisc {
public:
    TReaderDisc(const std::string& Folder, std::int32_t Frames) {
        FCue = Folder + "/track.cue";
        FBin = Folder + "/track.bin";
        if (std::FILE* bin = std::fopen(FBin.c_str(), "wb")) {
            std::fclose(bin);
            if (::truncate(FBin.c_str(), static_cast<off_t>(Frames) * AudioFrameBytes) != 0) return;
        } else {
            return;
        }
        const std::string cue = "FILE \"track.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";
        if (!WriteFileAtomically(FCue, cue)) return;
        cdio_loglevel_default = CDIO_LOG_ERROR;
        FCdio = cdio_open_cue(FCue.c_str());
        if (FCdio == nullptr) return;
        FDrive = cdio_cddap_identify_cdio(FCdio, CDDA_MESSAGE_FORGETIT, nullptr);
        if (FDrive == nullptr || cdio_cddap_open(FDrive) != 0) return;
        FDrive->read_audio = ReadAudioFrames;
        FParanoia = cdio_paranoia_init(FDrive);
        if (FParanoia == nullptr) return;
        cdio_paranoia_modeset(FParanoia, PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
    }
    ~TReaderDisc() {
        if (FParanoia != nullptr) cdio_paranoia_free(FParanoia);
        if (FDrive != nullptr) cdio_cddap_close_no_free_cdio(FDrive);
        if (FCdio != nullptr) cdio_destroy(FCdio);
        DeleteFile(FCue);
        DeleteFile(FBin);
    }
    TReaderDisc(const TReaderDisc&) = delete;
    TReaderDisc& operator=(const TReaderDisc&) = delete;

    cdrom_paranoia_t* Paranoia() const { return FParanoia; }

private:
    std::string FCue, FBin;
    CdIo_t* FCdio = nullptr;
    cdrom_drive_t* FDrive = nullptr;
    cdrom_paranoia_t* FParanoia = nullptr;
};

// A 16-bit stereo 44100 Hz WAV file of a known number of frames, written under a temporary name and
// renamed into place once complete.
class TWavTarget {
public:
    TWavTarget(const std::string& Path, std::int32_t Frames) : FPath(Path), FPart(Path + ".part") {
        FFile = std::fopen(FPart.c_str(), "wb");
        if (FFile == nullptr) return;
        const std::uint32_t dataBytes = static_cast<std::uint32_t>(Frames) * AudioFrameBytes;
        std::uint8_t header[44];
        std::memcpy(header, "RIFF", 4);
        Put32(header + 4, 36 + dataBytes);
        std::memcpy(header + 8, "WAVEfmt ", 8);
        Put32(header + 16, 16);
        Put16(header + 20, 1); // PCM
        Put16(header + 22, 2);
        Put32(header + 24, 44100);
        Put32(header + 28, 44100 * 4);
        Put16(header + 32, 4);
        Put16(header + 34, 16);
        std::memcpy(header + 36, "data", 4);
        Put32(header + 40, dataBytes);
        FOk = std::fwrite(header, 1, sizeof header, FFile) == sizeof header;
    }
    ~TWavTarget() {
        if (FFile != nullptr) std::fclose(FFile);
        if (!FCommitted) DeleteFile(FPart);
    }
    TWavTarget(const TWavTarget&) = delete;
    TWavTarget& operator=(const TWavTarget&) = delete;

    bool Ok() const { return FFile != nullptr && FOk; }
    void Write(const void* Frame) {
        if (Ok()) FOk = std::fwrite(Frame, 1, AudioFrameBytes, FFile) == AudioFrameBytes;
    }
    bool Commit() {
        if (!Ok()) return false;
        const bool flushed = std::fflush(FFile) == 0 && ::fsync(::fileno(FFile)) == 0;
        const bool closed = std::fclose(FFile) == 0;
        FFile = nullptr;
        FCommitted = flushed && closed && std::rename(FPart.c_str(), FPath.c_str()) == 0;
        return FCommitted;
    }

private:
    static void Put16(std::uint8_t* At, std::uint32_t V) {
        At[0] = std::uint8_t(V);
        At[1] = std::uint8_t(V >> 8);
    }
    static void Put32(std::uint8_t* At, std::uint32_t V) {
        Put16(At, V);
        Put16(At + 2, V >> 16);
    }

    std::string FPath, FPart;
    std::FILE* FFile = nullptr;
    bool FOk = false;
    bool FCommitted = false;
};

// A private folder below the temporary folder for the reader's stand-in disc, removed afterwards.
class TScratchFolder {
public:
    TScratchFolder() {
        std::string pattern = GetTempFolder();
        if (!pattern.empty() && pattern.back() != '/') pattern += '/';
        pattern += "olva-cd-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) FPath = pattern;
    }
    ~TScratchFolder() {
        if (!FPath.empty()) RemoveDir(FPath);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

std::string ReadErrorText(TCDStatus Status) {
    switch (Status) {
    case TCDStatus::NoMedium:
        return "The disc was removed while the track was being read.";
    case TCDStatus::PermissionDenied:
        return "You have no permission to read audio from this drive.";
    case TCDStatus::TimedOut:
        return "The drive did not answer in time while the track was being read.";
    case TCDStatus::NoDevice:
        return "The drive is no longer available.";
    default:
        return "The track could not be read: I/O error.";
    }
}

TCDRipOutcome Fail(TCDRipResult Result, std::string Message) {
    return {Result, std::move(Message)};
}

} // namespace cd_ripper_detail

TCDFrameRange TrackFrames(const TCDTOC& TOC, int TrackIndex) {
    using namespace cd_ripper_detail;
    if (TrackIndex < 0 || TrackIndex >= TOC.TrackCount || TrackIndex >= MaxCDTracks) return {};
    const TCDTrack& track = TOC.Tracks[static_cast<std::size_t>(TrackIndex)];
    const std::int32_t first = MsfToLba(track.Min, track.Sec, track.Frame);
    std::int32_t end;
    if (TrackIndex + 1 < TOC.TrackCount) {
        const TCDTrack& next = TOC.Tracks[static_cast<std::size_t>(TrackIndex + 1)];
        end = MsfToLba(next.Min, next.Sec, next.Frame);
        if (!next.IsAudio && end - SessionGapFrames > first) end -= SessionGapFrames;
    } else {
        end = MsfToLba(TOC.LeadOut.Min, TOC.LeadOut.Sec, TOC.LeadOut.Frame);
    }
    if (first < 0 || end <= first) return {};
    return {first, end - first};
}

TCDRipOutcome RipCDTrack(const std::string& DevicePath, const TCDTOC& TOC, int TrackIndex,
                         const std::string& WavPath, const std::function<void(int Percent)>& Progress) {
    using namespace cd_ripper_detail;
    const TCDFrameRange range = TrackFrames(TOC, TrackIndex);
    if (range.FrameCount == 0 || !TOC.Tracks[static_cast<std::size_t>(TrackIndex)].IsAudio)
        return Fail(TCDRipResult::NotAudio, "The selected track is not an audio track.");
    TCDStatus status;
    std::unique_ptr<ICDDevice> device = CDDeviceSystem().Open(DevicePath, status);
    if (!device)
        return Fail(status == TCDStatus::PermissionDenied ? TCDRipResult::ReadError : TCDRipResult::NoDevice,
                    status == TCDStatus::PermissionDenied ? ReadErrorText(status)
                                                          : "The drive " + DevicePath + " cannot be opened.");
    if (device->MediumStatus() == TCDStatus::NoMedium)
        return Fail(TCDRipResult::NoMedium, "There is no disc in the drive.");

    TDriveAudioReader reader(std::move(device));
    TRipContext rip;
    rip.Reader = &reader;
    rip.FirstLba = range.FirstLba;
    rip.FrameCount = range.FrameCount;
    TRipContext* const outer = std::exchange(CurrentRip, &rip);
    struct TRestore {
        TRipContext* Outer;
        ~TRestore() { CurrentRip = Outer; }
    } restore{outer};

    TScratchFolder scratch;
    if (scratch.Path().empty())
        return Fail(TCDRipResult::WriteError, "The temporary folder cannot be written.");
    TWavTarget wav(WavPath, range.FrameCount);
    if (!wav.Ok()) return Fail(TCDRipResult::WriteError, "The file " + WavPath + " cannot be written.");
    TReaderDisc disc(scratch.Path(), range.FrameCount);
    if (disc.Paranoia() == nullptr)
        return Fail(TCDRipResult::ReadError, "The error-correcting reader could not be started.");

    cdio_paranoia_seek(disc.Paranoia(), 0, SEEK_SET);
    int shown = -1;
    for (std::int32_t frame = 0; frame < range.FrameCount; ++frame) {
        const std::int16_t* samples = cdio_paranoia_read_limited(disc.Paranoia(), ReaderCallback, MaxRetries);
        if (samples == nullptr || rip.Skipped || rip.Abandoned)
            return Fail(TCDRipResult::ReadError, ReadErrorText(rip.LastError));
        wav.Write(samples);
        const int percent = static_cast<int>(std::int64_t(frame + 1) * 100 / range.FrameCount);
        if (percent != shown && Progress) Progress(percent);
        shown = percent;
    }
    if (!wav.Commit()) return Fail(TCDRipResult::WriteError, "The file " + WavPath + " cannot be written.");
    return {};
}
