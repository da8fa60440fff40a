// Companion programs: Tools buttons that start another program of the family when it is installed in
// the program's own folder, and otherwise open the web page about it.
#pragma once

#include <string>
#include <vector>

struct TGlobalVars;

struct TCompanionProgram {
    const char* Caption;  // the Tools button
    const char* FileName; // the program file in the program's folder
    const char* Page;     // the page about it, below the company's web address
};

const std::vector<TCompanionProgram>& CompanionPrograms();

// Under the wait cursor: starts `ProgramFolder` + the program's file, shown normally, or opens its page
// when that file is missing.
void StartCompanionProgram(const TCompanionProgram& Program, const std::string& ProgramFolder,
                           const TGlobalVars& Vars);
