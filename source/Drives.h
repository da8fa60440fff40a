// Drives of the machine: the mounted local file systems stand for fixed drives and are named by
// their mount points; optical drives are counted from the block devices the kernel lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TMountEntry {
    std::string Device;
    std::string MountPoint;
    std::string Type;
    friend bool operator==(const TMountEntry&, const TMountEntry&) = default;
};

struct TDriveSpace {
    std::string Drive;
    float FreeGigabytes = 0;
};

// The entries of a mount table in the kernel's format (one "device mount-point type options ..."
// per line, blanks inside fields written as octal escapes), in mount order.
std::vector<TMountEntry> ParseMountTable(std::string_view text);

// True for a file system on a local disk device (not a pseudo, network or optical one).
bool IsFixedDrive(const TMountEntry& entry);

// Mount points of the mounted local file systems, in mount order, each once.
std::vector<std::string> FixedDrives();

// Free space available to the user below `drive`, in units of 2^30 bytes; -1 when it cannot be asked.
float FreeGigabytes(const std::string& drive);

// The drive with the largest free space, the first in the given order when several share it;
// empty when the list is empty.
std::string PickMostFreeSpace(const std::vector<TDriveSpace>& drives);

// The fixed drive that the user can write with the most free space; empty when there is none.
std::string DriveWithMostFreeSpace();

// The folder for temporary recordings: "temp/" on the drive with the most free space, or the
// system's temporary folder ($TMPDIR, else /tmp) when no drive can take it. Ends with "/".
std::string TempFolderPath();

// Optical drives named in a folder of block devices (the kernel calls them "sr0", "sr1", ...).
int CountCdDrivesIn(const std::string& blockDeviceFolder);
int CdDriveCount();
