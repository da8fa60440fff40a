#include "source/help/CompanionPrograms.h"

#include "platform/rtl/FileUtils.h"
#include "source/FileNameHelpers.h"
#include "source/GlobalVars.h"
#include "source/ShellOpen.h"
#include "source/WaitCursor.h"

const std::vector<TCompanionProgram>& CompanionPrograms() {
    static const std::vector<TCompanionProgram> programs{
        {"Audio Converter", "olva-audio-converter", "audio-converter/"},
        {"CD Burner", "olva-cd-burner", "cd-burner/"},
    };
    return programs;
}

void StartCompanionProgram(const TCompanionProgram& Program, const std::string& ProgramFolder,
                           const TGlobalVars& Vars) {
    TWaitCursor wait;
    const std::string file = AddTrailingBackslash(ProgramFolder) + Program.FileName;
    if (!FileExists(file)) {
        OpenWithShell(AddTrailingBackslash(Vars.CompanyWebPage) + Program.Page);
        return;
    }
    StartDetachedProgram(file, {});
}
