// The entry points of drive access: which road reaches the drives, scanning them into a drive table
// and reading the table of contents of a disc. The road here is the kernel's SCSI pass-through with the
// CD-ROM control calls as its fallback; the older adapter-layer road has no counterpart on this system
// and always reports itself unavailable. Everything runs on the calling thread and returns once the
// drive has answered or its time limit has passed.
#pragma once

#include "cd/CDTypes.h"
#include "platform/rtl/Exception.h"

#include <cstdint>

class ECDInterfaceError : public Exception {
public:
    using Exception::Exception;
};

// Host adapters of the adapter layer, -1 when it is not there (always, here).
int GetAspiAdapterCount();
// Whether some road to the drives exists; remembers that the pass-through road does.
bool IsCDInterfaceAvailable();
// Whether IsCDInterfaceAvailable found the pass-through road.
bool SptiAvailable();

// Rebuilds the table from the drives found; true when at least one was found. A drive that does not
// answer the inquiry is described by its device path. Raises ECDInterfaceError "No usable interface
// available or selected interface not available" when the selector names no usable road (the table is
// then left as it was).
bool ScanCDDrives(TCDDriveTable& Table, TCDInterface Selector);

// Reads the table of contents of drive Drive into TOC. The result is true when the read FAILED: no such
// drive, no disc, a device error, or a table that does not hold up (see ConvertRawTOC); TOC is then all
// zero. Raises ECDInterfaceError as ScanCDDrives does.
bool ReadCDTOC(const TCDDriveTable& Table, std::uint8_t Drive, TCDTOC& TOC, TCDInterface Selector);

// Converts a raw READ TOC buffer (RawTocSize bytes). The buffer must hold 1 <= first <= last <= 99 and a
// data length that covers every track descriptor and the lead-out within the buffer; otherwise TOC is
// zeroed and the result is false.
bool ConvertRawTOC(const std::uint8_t* Buffer, TCDTOC& TOC);
