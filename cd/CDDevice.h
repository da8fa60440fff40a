// One CD-ROM device as drive access sees it, and the set of devices of the machine. The kernel offers
// two roads into a drive: SCSI commands through its pass-through, and the CD-ROM control calls, which
// serve as the fallback. Every wait on a device is bounded. Tests put a simulated set of devices in
// place of the machine's with TCDDeviceSystemOverride.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class TCDStatus { Ok, NoMedium, PermissionDenied, IoError, TimedOut, NoDevice };

// The system error number a status stands for (EIO for an I/O error...), for messages.
int CDStatusCode(TCDStatus Status);

class ICDDevice {
public:
    virtual ~ICDDevice() = default;
    // Sends one command (6, 10 or 12 bytes) with data coming in; waits at most TimeoutMs.
    virtual TCDStatus PassThrough(const std::uint8_t* Cdb, int CdbLength, std::uint8_t* Data, int DataLength,
                                  int TimeoutMs) = 0;
    // The table of contents through the CD-ROM control calls, laid out as READ TOC format 0 with MSF
    // addresses (RawTocSize bytes at most).
    virtual TCDStatus IoctlReadToc(std::uint8_t* Buffer, int Length) = 0;
    // Frames of 2352 bytes of audio through the CD-ROM control call.
    virtual TCDStatus IoctlReadAudio(std::int32_t Lba, int Frames, std::uint8_t* Buffer) = 0;
    // The drive's place on its bus: host adapter, target and logical unit.
    virtual TCDStatus ScsiAddress(std::uint8_t& HaId, std::uint8_t& Target, std::uint8_t& Lun) = 0;
    // Whether a disc is in the drive (Ok), none is (NoMedium), or the drive cannot tell.
    virtual TCDStatus MediumStatus() = 0;
};

class ICDDeviceSystem {
public:
    virtual ~ICDDeviceSystem() = default;
    // The CD-ROM device nodes, in the kernel's order, MaxCDDrives at most.
    virtual std::vector<std::string> DevicePaths() = 0;
    // Opens a device without waiting for a disc; null with the reason when it cannot be opened.
    virtual std::unique_ptr<ICDDevice> Open(const std::string& Path, TCDStatus& Status) = 0;
};

// The devices drive access uses: the machine's, or those of the innermost override.
ICDDeviceSystem& CDDeviceSystem();

// The machine's CD-ROM devices.
ICDDeviceSystem& MachineCDDeviceSystem();

class TCDDeviceSystemOverride {
public:
    explicit TCDDeviceSystemOverride(ICDDeviceSystem& System);
    ~TCDDeviceSystemOverride();
    TCDDeviceSystemOverride(const TCDDeviceSystemOverride&) = delete;
    TCDDeviceSystemOverride& operator=(const TCDDeviceSystemOverride&) = delete;

private:
    ICDDeviceSystem* FPrevious;
};

// SCSI operation codes and time limits of the commands drive access sends.
namespace scsi {
inline constexpr std::uint8_t Inquiry = 0x12;
inline constexpr std::uint8_t ReadToc = 0x43;
inline constexpr std::uint8_t ReadCd = 0xBE;
inline constexpr int InquiryTimeoutMs = 2000;
inline constexpr int ReadTocTimeoutMs = 5000;
inline constexpr int ReadCdTimeoutMs = 10000;
} // namespace scsi
