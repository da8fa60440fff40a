// The machine's CD-ROM devices: the kernel's "sr" block devices, reached through the SCSI generic
// pass-through (SG_IO) and the CD-ROM control calls.
#include "cd/CDDevice.h"
#include "cd/CDTypes.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/cdrom.h>
#include <scsi/scsi.h>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace linux_cd_device_detail {

TCDStatus StatusOfErrno(int Error) {
    switch (Error) {
    case ENOMEDIUM:
        return TCDStatus::NoMedium;
    case EACCES:
    case EPERM:
        return TCDStatus::PermissionDenied;
    case ETIMEDOUT:
        return TCDStatus::TimedOut;
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return TCDStatus::NoDevice;
    default:
        return TCDStatus::IoError;
    }
}

// What a failed command's sense data says: "not ready, medium not present" is the one that matters.
TCDStatus StatusOfSense(const unsigned char* Sense, int Length) {
    if (Length < 14) return TCDStatus::IoError;
    const int key = Sense[2] & 0x0F, asc = Sense[12];
    if (key == 0x02 && asc == 0x3A) return TCDStatus::NoMedium;
    return TCDStatus::IoError;
}

constexpr unsigned DidTimeOut = 0x03; // host status of a command the adapter gave up on

class TLinuxCDDevice final : public ICDDevice {
public:
    explicit TLinuxCDDevice(int Fd) : FFd(Fd) {}
    ~TLinuxCDDevice() override { ::close(FFd); }

    TCDStatus PassThrough(const std::uint8_t* Cdb, int CdbLength, std::uint8_t* Data, int DataLength,
                          int TimeoutMs) override {
        unsigned char sense[32] = {};
        sg_io_hdr_t io{};
        io.interface_id = 'S';
        io.cmd_len = static_cast<unsigned char>(CdbLength);
        io.cmdp = const_cast<unsigned char*>(Cdb);
        io.dxfer_direction = SG_DXFER_FROM_DEV;
        io.dxferp = Data;
        io.dxfer_len = static_cast<unsigned>(DataLength);
        io.sbp = sense;
        io.mx_sb_len = sizeof sense;
        io.timeout = static_cast<unsigned>(TimeoutMs);
        if (::ioctl(FFd, SG_IO, &io) < 0) return StatusOfErrno(errno);
        if (io.host_status == DidTimeOut) return TCDStatus::TimedOut;
        if ((io.info & SG_INFO_OK_MASK) == SG_INFO_OK) return TCDStatus::Ok;
        return StatusOfSense(sense, io.sb_len_wr);
    }

    TCDStatus IoctlReadToc(std::uint8_t* Buffer, int Length) override {
        cdrom_tochdr header{};
        if (::ioctl(FFd, CDROMREADTOCHDR, &header) < 0) return StatusOfErrno(errno);
        const int first = header.cdth_trk0, last = header.cdth_trk1;
        if (first < 1 || last < first || last > 99) return TCDStatus::IoError;
        const int count = last - first + 1;
        if (4 + 8 * (count + 1) > Length) return TCDStatus::IoError;
        std::memset(Buffer, 0, static_cast<std::size_t>(Length));
        const int dataLength = 2 + 8 * (count + 1);
        Buffer[0] = static_cast<std::uint8_t>(dataLength >> 8);
        Buffer[1] = static_cast<std::uint8_t>(dataLength & 0xFF);
        Buffer[2] = static_cast<std::uint8_t>(first);
        Buffer[3] = static_cast<std::uint8_t>(last);
        for (int i = 0; i <= count; ++i) {
            cdrom_tocentry entry{};
            entry.cdte_track = static_cast<__u8>(i < count ? first + i : CDROM_LEADOUT);
            entry.cdte_format = CDROM_MSF;
            if (::ioctl(FFd, CDROMREADTOCENTRY, &entry) < 0) return StatusOfErrno(errno);
            std::uint8_t* d = Buffer + 4 + 8 * i;
            d[1] = static_cast<std::uint8_t>((entry.cdte_adr << 4) | entry.cdte_ctrl);
            d[2] = entry.cdte_track;
            d[5] = entry.cdte_addr.msf.minute;
            d[6] = entry.cdte_addr.msf.second;
            d[7] = entry.cdte_addr.msf.frame;
        }
        return TCDStatus::Ok;
    }

    TCDStatus IoctlReadAudio(std::int32_t Lba, int Frames, std::uint8_t* Buffer) override {
        cdrom_read_audio request{};
        request.addr.lba = Lba;
        request.addr_format = CDROM_LBA;
        request.nframes = Frames;
        request.buf = Buffer;
        if (::ioctl(FFd, CDROMREADAUDIO, &request) < 0) return StatusOfErrno(errno);
        return TCDStatus::Ok;
    }

    TCDStatus ScsiAddress(std::uint8_t& HaId, std::uint8_t& Target, std::uint8_t& Lun) override {
        // Packed as target, lun, channel and host number, one byte each from the lowest.
        int idLun[2] = {};
        if (::ioctl(FFd, SCSI_IOCTL_GET_IDLUN, idLun) < 0) return StatusOfErrno(errno);
        Target = static_cast<std::uint8_t>(idLun[0] & 0xFF);
        Lun = static_cast<std::uint8_t>((idLun[0] >> 8) & 0xFF);
        HaId = static_cast<std::uint8_t>((idLun[0] >> 24) & 0xFF);
        return TCDStatus::Ok;
    }

    TCDStatus MediumStatus() override {
        const int status = ::ioctl(FFd, CDROM_DRIVE_STATUS, CDSL_CURRENT);
        if (status == CDS_DISC_OK) return TCDStatus::Ok;
        if (status == CDS_NO_DISC || status == CDS_TRAY_OPEN) return TCDStatus::NoMedium;
        return TCDStatus::IoError;
    }

private:
    int FFd;
};

// "sr" followed by digits only.
bool IsCDDeviceName(const char* Name) {
    if (std::strncmp(Name, "sr", 2) != 0 || Name[2] == '\0') return false;
    for (const char* p = Name + 2; *p != '\0'; ++p)
        if (*p < '0' || *p > '9') return false;
    return true;
}

class TLinuxCDDeviceSystem final : public ICDDeviceSystem {
public:
    std::vector<std::string> DevicePaths() override {
        std::vector<int> numbers;
        if (DIR* dir = ::opendir("/dev")) {
            while (const dirent* entry = ::readdir(dir))
                if (IsCDDeviceName(entry->d_name)) numbers.push_back(std::atoi(entry->d_name + 2));
            ::closedir(dir);
        }
        std::sort(numbers.begin(), numbers.end());
        if (numbers.size() > MaxCDDrives) numbers.resize(MaxCDDrives);
        std::vector<std::string> paths;
        for (int n : numbers)
            paths.push_back("/dev/sr" + std::to_string(n));
        return paths;
    }

    std::unique_ptr<ICDDevice> Open(const std::string& Path, TCDStatus& Status) override {
        // Non-blocking, so that opening a drive without a disc does not wait for one.
        const int fd = ::open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            Status = StatusOfErrno(errno);
            return nullptr;
        }
        Status = TCDStatus::Ok;
        return std::make_unique<TLinuxCDDevice>(fd);
    }
};

ICDDeviceSystem*& Current() {
    static ICDDeviceSystem* current = nullptr;
    return current;
}

} // namespace linux_cd_device_detail

int CDStatusCode(TCDStatus Status) {
    switch (Status) {
    case TCDStatus::Ok:
        return 0;
    case TCDStatus::NoMedium:
        return ENOMEDIUM;
    case TCDStatus::PermissionDenied:
        return EACCES;
    case TCDStatus::TimedOut:
        return ETIMEDOUT;
    case TCDStatus::NoDevice:
        return ENODEV;
    case TCDStatus::IoError:
        break;
    }
    return EIO;
}

ICDDeviceSystem& MachineCDDeviceSystem() {
    static linux_cd_device_detail::TLinuxCDDeviceSystem system;
    return system;
}

ICDDeviceSystem& CDDeviceSystem() {
    ICDDeviceSystem* current = linux_cd_device_detail::Current();
    return current != nullptr ? *current : MachineCDDeviceSystem();
}

TCDDeviceSystemOverride::TCDDeviceSystemOverride(ICDDeviceSystem& System)
    : FPrevious(linux_cd_device_detail::Current()) {
    linux_cd_device_detail::Current() = &System;
}

TCDDeviceSystemOverride::~TCDDeviceSystemOverride() {
    linux_cd_device_detail::Current() = FPrevious;
}
