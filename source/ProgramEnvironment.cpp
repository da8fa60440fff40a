#include "source/ProgramEnvironment.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/Paths.h"
#include "source/FileNameHelpers.h"
#include "source/IniFileAccess.h"

namespace {

TProgramEnvironment& Current() {
    static TProgramEnvironment environment{AddTrailingBackslash(GetProgramFolder()), {}};
    return environment;
}

} // namespace

const TProgramEnvironment& ProgramEnvironment() {
    return Current();
}

void SetProgramEnvironment(TProgramEnvironment Environment) {
    Environment.ProgramFolder = AddTrailingBackslash(Environment.ProgramFolder);
    Current() = std::move(Environment);
}

std::string ReadVersionText() {
    return OpenIniForReading(ProgramEnvironment().ProgramFolder + VersionFileName)
        ->ReadString("SYSTEM", "Version", "");
}
