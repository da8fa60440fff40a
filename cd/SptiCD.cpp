#include "cd/SptiCD.h"

#include "cd/CDDevice.h"
#include "cd/CDNotice.h"
#include "platform/rtl/Format.h"

#include <cstring>
#include <memory>

namespace spti_cd_detail {

std::unique_ptr<ICDDevice> OpenDrive(const TCDDriveTable& Table, int Index) {
    if (Index < 0 || Index >= Table.Count) return nullptr;
    TCDStatus status;
    return CDDeviceSystem().Open(Table.Drives[static_cast<std::size_t>(Index)].DevicePath, status);
}

std::string Part(const std::string& Text, std::size_t From, std::size_t Count) {
    return From < Text.size() ? Text.substr(From, Count) : std::string();
}

} // namespace spti_cd_detail

int EnumCDDrives(TCDDriveTable& Table) {
    Table.Count = 0;
    for (const std::string& path : CDDeviceSystem().DevicePaths()) {
        if (Table.Count >= MaxCDDrives) break;
        Table.Drives[Table.Count] = TCDDriveInfo();
        Table.Drives[Table.Count].DevicePath = path;
        ++Table.Count;
    }
    return Table.Count;
}

bool SptiInquiry(int Index, TCDDriveTable& Table) {
    using namespace spti_cd_detail;
    std::unique_ptr<ICDDevice> device = OpenDrive(Table, Index);
    if (!device) return false;
    std::uint8_t data[100] = {};
    const std::uint8_t cdb[6] = {scsi::Inquiry, 0, 0, 0, sizeof data, 0};
    if (device->PassThrough(cdb, sizeof cdb, data, sizeof data, scsi::InquiryTimeoutMs) != TCDStatus::Ok)
        return false;
    TCDDriveInfo& drive = Table.Drives[static_cast<std::size_t>(Index)];
    // The identity is text from byte 8 on, up to the first zero byte.
    const char* text = reinterpret_cast<const char*>(data + 8);
    const std::string identity(text, strnlen(text, sizeof data - 8));
    drive.Vendor = Part(identity, 0, 8);
    drive.ProductId = Part(identity, 8, 16);
    drive.Revision = Part(identity, 24, 4);
    drive.VendorSpecific = Part(identity, 28, 20);
    drive.Description = drive.Vendor + drive.ProductId + drive.Revision;
    return device->ScsiAddress(drive.HaId, drive.Target, drive.Lun) == TCDStatus::Ok;
}

int SptiReadTOC(const TCDDriveTable& Table, int Index, std::uint8_t* Buffer) {
    using namespace spti_cd_detail;
    std::unique_ptr<ICDDevice> device = OpenDrive(Table, Index);
    if (!device) return -1;
    std::memset(Buffer, 0, RawTocSize);
    const std::uint8_t cdb[10] = {scsi::ReadToc, 0x02, 0, 0, 0, 0, 0, RawTocSize >> 8, RawTocSize & 0xFF, 0};
    const TCDStatus status = device->PassThrough(cdb, sizeof cdb, Buffer, RawTocSize, scsi::ReadTocTimeoutMs);
    switch (status) {
    case TCDStatus::Ok:
        return 0;
    case TCDStatus::PermissionDenied:
        device.reset();
        ShowCDNotice("", "You must have Administor privileges to use SPTI under Win2000/XP; falling back to "
                         "IOCTL. This may cause erroneous results if a Mixed-Mode CD is in the drive.");
        std::memset(Buffer, 0, RawTocSize);
        return IoctlReadTOC(Table, Index, Buffer);
    case TCDStatus::IoError:
    case TCDStatus::NoMedium: // an empty drive is reported by the caller, not as a device error
        std::memset(Buffer, 0, RawTocSize);
        return -1;
    default:
        ShowCDNotice("Error", Format("IO Error: %d\n\r", {CDStatusCode(status)}));
        return -1;
    }
}

int IoctlReadTOC(const TCDDriveTable& Table, int Index, std::uint8_t* Buffer) {
    std::unique_ptr<ICDDevice> device = spti_cd_detail::OpenDrive(Table, Index);
    if (!device) return -1;
    std::memset(Buffer, 0, RawTocSize);
    return device->IoctlReadToc(Buffer, RawTocSize) == TCDStatus::Ok ? 0 : -1;
}
