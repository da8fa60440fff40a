// The records of CD drive access: the interface selector, the table of drives found, and the table of
// contents of a disc as positions in minutes, seconds and frames (1/75 s, counted from the start of the
// lead-in, so the first track of a disc usually starts at 0:02.00).
#pragma once

#include <array>
#include <cstdint>
#include <string>

enum TCDInterface : std::uint8_t { cdiAutoDetect = 0, cdiASPI = 1, cdiNTSCSI = 2 };

struct TCDDriveInfo {
    std::uint8_t HaId = 0;
    std::uint8_t Target = 0;
    std::uint8_t Lun = 0;
    std::string Vendor;         // INQUIRY bytes 8-15
    std::string ProductId;      // INQUIRY bytes 16-31
    std::string Revision;       // INQUIRY bytes 32-35
    std::string VendorSpecific; // INQUIRY bytes 36-55
    // Vendor, ProductId and Revision run together, or the device path when the drive did not answer.
    std::string Description;
    // Drives have no letters here: each is known by its device node ("/dev/sr0").
    std::string DevicePath;
};

inline constexpr int MaxCDDrives = 26;

struct TCDDriveTable {
    std::uint8_t CurrentDrive = 0; // written by the table's owner
    std::uint8_t Count = 0;
    std::array<TCDDriveInfo, MaxCDDrives> Drives;
};

struct TCDMsf {
    std::uint8_t Min = 0;
    std::uint8_t Sec = 0;
    std::uint8_t Frame = 0;
};

struct TCDTrack {
    std::uint8_t Min = 0;
    std::uint8_t Sec = 0;
    std::uint8_t Frame = 0;
    bool IsAudio = false;
};

inline constexpr int MaxCDTracks = 100;

struct TCDTOC {
    std::uint8_t TrackCount = 0;
    TCDMsf LeadOut;
    std::int32_t Reserved = 0;
    std::array<TCDTrack, MaxCDTracks> Tracks;
    // The number of the disc's first track (Tracks[0]); discs almost always start at 1.
    std::uint8_t FirstTrack = 1;
};

// The raw table of contents both roads read: READ TOC format 0 with MSF addresses, room for 100
// descriptors of 8 bytes after the 4-byte header.
inline constexpr int RawTocSize = 804;

inline constexpr int FramesPerSecond = 75;
inline constexpr int LeadInFrames = 150; // the 2-second lead-in that MSF addresses include
inline constexpr int AudioFrameBytes = 2352;

// The logical block address of an MSF position (the lead-in taken off).
inline std::int32_t MsfToLba(int Min, int Sec, int Frame) {
    return (Min * 60 + Sec) * FramesPerSecond + Frame - LeadInFrames;
}
