#include "cd/AspiCD.h"

#include "cd/SptiCD.h"

namespace aspi_cd_detail {

bool& SptiFound() {
    static bool found = false;
    return found;
}

// The same test opens every entry point: the adapter layer would win when it is there and chosen (or
// when nothing else is), else the pass-through road when the selector allows it.
void RequirePassThroughRoad(TCDInterface Selector) {
    const int adapters = GetAspiAdapterCount();
    const bool aspi = adapters > 0 && (Selector == cdiASPI || (Selector == cdiAutoDetect && !SptiFound()));
    if (!aspi && IsCDInterfaceAvailable() && SptiFound() &&
        (Selector == cdiAutoDetect || Selector == cdiNTSCSI))
        return;
    throw ECDInterfaceError("No usable interface available or selected interface not available");
}

} // namespace aspi_cd_detail

int GetAspiAdapterCount() {
    return -1;
}

bool IsCDInterfaceAvailable() {
    aspi_cd_detail::SptiFound() = true; // the kernel always offers its pass-through
    return true;
}

bool SptiAvailable() {
    return aspi_cd_detail::SptiFound();
}

bool ScanCDDrives(TCDDriveTable& Table, TCDInterface Selector) {
    aspi_cd_detail::RequirePassThroughRoad(Selector);
    if (EnumCDDrives(Table) == 0) return false;
    for (int i = 0; i < Table.Count; ++i) {
        if (!SptiInquiry(i, Table)) {
            TCDDriveInfo& drive = Table.Drives[static_cast<std::size_t>(i)];
            drive.Description = drive.DevicePath;
        }
    }
    return true;
}

bool ReadCDTOC(const TCDDriveTable& Table, std::uint8_t Drive, TCDTOC& TOC, TCDInterface Selector) {
    aspi_cd_detail::RequirePassThroughRoad(Selector);
    TOC = TCDTOC();
    if (Drive >= Table.Count) return true;
    std::uint8_t buffer[RawTocSize] = {};
    if (SptiReadTOC(Table, Drive, buffer) == -1) IoctlReadTOC(Table, Drive, buffer);
    return !ConvertRawTOC(buffer, TOC);
}

bool ConvertRawTOC(const std::uint8_t* Buffer, TCDTOC& TOC) {
    TOC = TCDTOC();
    const int dataLength = (Buffer[0] << 8) | Buffer[1];
    const int first = Buffer[2], last = Buffer[3];
    if (first < 1 || first > last || last > 99) return false;
    const int count = last - first + 1;
    // The two length bytes are not counted in the data length; the lead-out follows the tracks.
    if (dataLength < 2 + 8 * (count + 1) || 2 + dataLength > RawTocSize) return false;
    auto descriptor = [&](int i) { return Buffer + 4 + 8 * i; };
    TOC.TrackCount = static_cast<std::uint8_t>(count);
    TOC.FirstTrack = static_cast<std::uint8_t>(first);
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* d = descriptor(i);
        TCDTrack& track = TOC.Tracks[static_cast<std::size_t>(i)];
        track.Min = d[5];
        track.Sec = d[6];
        track.Frame = d[7];
        track.IsAudio = (d[1] & 0x04) == 0; // control bit 2 marks a data track
    }
    const std::uint8_t* leadOut = descriptor(count);
    TOC.LeadOut = {leadOut[5], leadOut[6], leadOut[7]};
    TOC.Reserved = 0;
    return true;
}
