// A simulated set of CD-ROM drives for tests: each drive answers INQUIRY, READ TOC and READ CD with
// canned bytes, and can be made to fail the way real drives do (no disc, no permission, I/O errors,
// a pass-through the kernel refuses). Audio frames are a fixed pattern of their address, so a rip can
// be checked byte for byte.
#pragma once

#include "cd/CDDevice.h"
#include "cd/CDTypes.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace cd_test {

struct TSimTrack {
    std::int32_t Lba;
    bool Audio = true;
    std::uint8_t Control = 0; // extra control bits (pre-emphasis 1, four channels 8)
};

// A raw READ TOC reply (RawTocSize bytes) with MSF addresses for the tracks and the lead-out.
inline std::vector<std::uint8_t> RawToc(int First, const std::vector<TSimTrack>& Tracks,
                                        std::int32_t LeadOutLba) {
    std::vector<std::uint8_t> raw(RawTocSize, 0);
    const int count = static_cast<int>(Tracks.size());
    const int dataLength = 2 + 8 * (count + 1);
    raw[0] = std::uint8_t(dataLength >> 8);
    raw[1] = std::uint8_t(dataLength);
    raw[2] = std::uint8_t(First);
    raw[3] = std::uint8_t(First + count - 1);
    auto put = [&](int i, int number, std::int32_t lba, std::uint8_t control) {
        std::uint8_t* d = raw.data() + 4 + 8 * i;
        const std::int32_t a = lba + LeadInFrames;
        d[1] = std::uint8_t(0x10 | control);
        d[2] = std::uint8_t(number);
        d[5] = std::uint8_t(a / (60 * FramesPerSecond));
        d[6] = std::uint8_t(a / FramesPerSecond % 60);
        d[7] = std::uint8_t(a % FramesPerSecond);
    };
    for (int i = 0; i < count; ++i)
        put(i, First + i, Tracks[std::size_t(i)].Lba,
            std::uint8_t(Tracks[std::size_t(i)].Control | (Tracks[std::size_t(i)].Audio ? 0 : 0x04)));
    put(count, 0xAA, LeadOutLba, 0);
    return raw;
}

// Standard INQUIRY data: peripheral type 5 (CD-ROM), then the identity fields space-padded.
inline std::vector<std::uint8_t> InquiryData(const std::string& Vendor, const std::string& Product,
                                             const std::string& Revision) {
    std::vector<std::uint8_t> data(100, 0);
    data[0] = 0x05;
    data[4] = 31;
    auto field = [&](std::size_t at, std::size_t size, const std::string& text) {
        for (std::size_t i = 0; i < size; ++i)
            data[at + i] = std::uint8_t(i < text.size() ? text[i] : ' ');
    };
    field(8, 8, Vendor);
    field(16, 16, Product);
    field(32, 4, Revision);
    return data;
}

// The byte at offset Index of audio frame Lba.
inline std::uint8_t AudioByte(std::int32_t Lba, int Index) {
    std::uint32_t x = std::uint32_t(Lba) * 2654435761u + std::uint32_t(Index) * 40503u;
    x ^= x >> 13;
    x *= 0x5bd1e995u;
    x ^= x >> 15;
    return std::uint8_t(x);
}

struct TSimDrive {
    std::string Path;
    std::vector<std::uint8_t> Inquiry = InquiryData("OLVATEST", "SIM DRIVE", "1.0");
    std::vector<std::uint8_t> Toc; // empty: no disc
    std::uint8_t HaId = 1, Target = 0, Lun = 0;
    TCDStatus OpenStatus = TCDStatus::Ok;
    TCDStatus InquiryStatus = TCDStatus::Ok;
    TCDStatus PassThroughStatus = TCDStatus::Ok; // every pass-through command but INQUIRY
    TCDStatus IoctlStatus = TCDStatus::Ok;
    std::set<std::int32_t> BadFrames;        // always fail to read
    std::map<std::int32_t, int> FlakyFrames; // fail this many times, then read
    // What the drive was asked.
    int TocPassThroughs = 0, TocIoctls = 0, AudioReads = 0, AudioIoctlReads = 0;
    std::vector<int> TimeoutsMs;
};

class TSimulatedCDSystem : public ICDDeviceSystem {
public:
    std::deque<TSimDrive> Drives; // references stay valid as drives are added

    TSimDrive& AddDrive(const std::vector<std::uint8_t>& Toc = {}) {
        TSimDrive drive;
        drive.Path = "/dev/sr" + std::to_string(Drives.size());
        drive.Toc = Toc;
        Drives.push_back(drive);
        return Drives.back();
    }

    std::vector<std::string> DevicePaths() override {
        std::vector<std::string> paths;
        for (const TSimDrive& d : Drives)
            if (paths.size() < MaxCDDrives) paths.push_back(d.Path);
        return paths;
    }

    std::unique_ptr<ICDDevice> Open(const std::string& Path, TCDStatus& Status) override {
        for (TSimDrive& d : Drives) {
            if (d.Path != Path) continue;
            Status = d.OpenStatus;
            if (Status != TCDStatus::Ok) return nullptr;
            return std::make_unique<TDevice>(d);
        }
        Status = TCDStatus::NoDevice;
        return nullptr;
    }

private:
    class TDevice : public ICDDevice {
    public:
        explicit TDevice(TSimDrive& Drive) : D(Drive) {}

        TCDStatus PassThrough(const std::uint8_t* Cdb, int CdbLength, std::uint8_t* Data, int DataLength,
                              int TimeoutMs) override {
            D.TimeoutsMs.push_back(TimeoutMs);
            switch (Cdb[0]) {
            case scsi::Inquiry:
                if (CdbLength != 6 || D.InquiryStatus != TCDStatus::Ok) return D.InquiryStatus;
                std::copy_n(D.Inquiry.begin(),
                            std::min<std::size_t>(std::size_t(DataLength), D.Inquiry.size()), Data);
                return TCDStatus::Ok;
            case scsi::ReadToc:
                ++D.TocPassThroughs;
                if (D.PassThroughStatus != TCDStatus::Ok) return D.PassThroughStatus;
                if (CdbLength != 10 || (Cdb[1] & 0x02) == 0) return TCDStatus::IoError; // MSF wanted
                return CopyToc(Data, DataLength);
            case scsi::ReadCd: {
                if (D.PassThroughStatus != TCDStatus::Ok) return D.PassThroughStatus;
                const std::int32_t lba = (Cdb[2] << 24) | (Cdb[3] << 16) | (Cdb[4] << 8) | Cdb[5];
                const int frames = (Cdb[6] << 16) | (Cdb[7] << 8) | Cdb[8];
                if (DataLength != frames * AudioFrameBytes) return TCDStatus::IoError;
                return ReadFrames(lba, frames, Data);
            }
            default:
                return TCDStatus::IoError;
            }
        }
        TCDStatus IoctlReadToc(std::uint8_t* Buffer, int Length) override {
            ++D.TocIoctls;
            if (D.IoctlStatus != TCDStatus::Ok) return D.IoctlStatus;
            return CopyToc(Buffer, Length);
        }
        TCDStatus IoctlReadAudio(std::int32_t Lba, int Frames, std::uint8_t* Buffer) override {
            ++D.AudioIoctlReads;
            if (D.IoctlStatus != TCDStatus::Ok) return D.IoctlStatus;
            return ReadFrames(Lba, Frames, Buffer);
        }
        TCDStatus ScsiAddress(std::uint8_t& HaId, std::uint8_t& Target, std::uint8_t& Lun) override {
            HaId = D.HaId;
            Target = D.Target;
            Lun = D.Lun;
            return TCDStatus::Ok;
        }
        TCDStatus MediumStatus() override { return D.Toc.empty() ? TCDStatus::NoMedium : TCDStatus::Ok; }

    private:
        TCDStatus CopyToc(std::uint8_t* Data, int Length) {
            if (D.Toc.empty()) return TCDStatus::NoMedium;
            std::copy_n(D.Toc.begin(), std::min<std::size_t>(std::size_t(Length), D.Toc.size()), Data);
            return TCDStatus::Ok;
        }
        TCDStatus ReadFrames(std::int32_t Lba, int Frames, std::uint8_t* Data) {
            ++D.AudioReads;
            if (D.Toc.empty()) return TCDStatus::NoMedium;
            for (int f = 0; f < Frames; ++f) {
                if (D.BadFrames.count(Lba + f)) return TCDStatus::IoError;
                auto flaky = D.FlakyFrames.find(Lba + f);
                if (flaky != D.FlakyFrames.end() && flaky->second > 0) {
                    --flaky->second;
                    return TCDStatus::IoError;
                }
            }
            for (int f = 0; f < Frames; ++f)
                for (int i = 0; i < AudioFrameBytes; ++i)
                    Data[std::size_t(f) * AudioFrameBytes + std::size_t(i)] = AudioByte(Lba + f, i);
            return TCDStatus::Ok;
        }

        TSimDrive& D;
    };
};

} // namespace cd_test
