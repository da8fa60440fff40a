// The pass-through road into the drives: finding the CD-ROM devices, asking each for its identity with
// an INQUIRY, and reading a disc's table of contents with READ TOC, falling back to the CD-ROM control
// calls. Each call opens the device, does its work and closes it again.
#pragma once

#include "cd/CDTypes.h"

#include <cstdint>

// Fills DevicePath of the first entries from the machine's devices; Count is how many were found.
int EnumCDDrives(TCDDriveTable& Table);
// Identity and bus address of drive Index; false when the device cannot be opened or does not answer.
bool SptiInquiry(int Index, TCDDriveTable& Table);
// READ TOC into the RawTocSize-byte buffer: 0 on success, -1 on failure. A drive that refuses the
// pass-through for lack of rights is read through the control calls instead, after a notice.
int SptiReadTOC(const TCDDriveTable& Table, int Index, std::uint8_t* Buffer);
// The table of contents through the CD-ROM control calls: 0 on success, -1 on failure.
int IoctlReadTOC(const TCDDriveTable& Table, int Index, std::uint8_t* Buffer);
