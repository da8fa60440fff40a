// Opening and writing back the program's INI files (settings, favourites, shortcuts) with the rules
// they share: an unreadable file reads as empty but is never written over, and a failed write raises
// "Unable to write to <path>" and leaves the old file as it was.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TMemIniFile;

// The file's content for reading; an unreadable or missing file gives an empty one.
std::unique_ptr<TMemIniFile> OpenIniForReading(const std::string& path);

// The file's content for changing and writing back; raises EIniFileException "Unable to write to
// <path>" when an existing file cannot be read (writing would lose it).
std::unique_ptr<TMemIniFile> OpenIniForWriting(const std::string& path);

// Writes the file; raises EIniFileException "Unable to write to <path>" on any failure.
void WriteIniFile(TMemIniFile& ini);

// The section names in file order, each once.
std::vector<std::string> IniSectionNames(TMemIniFile& ini);

// The message of a failed write.
std::string UnableToWriteMessage(const std::string& path);
