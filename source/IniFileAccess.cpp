#include "source/IniFileAccess.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StringList.h"

std::string UnableToWriteMessage(const std::string& path) {
    return "Unable to write to " + path;
}

std::unique_ptr<TMemIniFile> OpenIniForReading(const std::string& path) {
    try {
        return std::make_unique<TMemIniFile>(path);
    } catch (const Exception&) {
        return std::make_unique<TMemIniFile>(std::string());
    }
}

std::unique_ptr<TMemIniFile> OpenIniForWriting(const std::string& path) {
    try {
        return std::make_unique<TMemIniFile>(path);
    } catch (const Exception&) {
        throw EIniFileException(UnableToWriteMessage(path));
    }
}

void WriteIniFile(TMemIniFile& ini) {
    try {
        ini.UpdateFile();
    } catch (const Exception&) {
        throw EIniFileException(UnableToWriteMessage(ini.FileName()));
    }
}

std::vector<std::string> IniSectionNames(TMemIniFile& ini) {
    TStringList sections;
    ini.ReadSections(sections);
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(sections.Count()));
    for (int i = 0; i < sections.Count(); ++i)
        names.push_back(sections[i]);
    return names;
}
