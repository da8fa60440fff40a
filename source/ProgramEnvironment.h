// What the program was started with: its own folder (where "splash.png" and the version file "OLVA.dll"
// lie) and its command-line arguments. Tests start the program with a folder and arguments of their own.
#pragma once

#include <string>
#include <vector>

inline constexpr const char* ApplicationTitle = "OLVA Audio Editor";
inline constexpr const char* SplashPictureName = "splash.png";
inline constexpr const char* VersionFileName = "OLVA.dll";

struct TProgramEnvironment {
    std::string ProgramFolder; // ends with "/"
    std::vector<std::string> Arguments;
};

// The running program's folder and no arguments until SetProgramEnvironment is called.
const TProgramEnvironment& ProgramEnvironment();
void SetProgramEnvironment(TProgramEnvironment Environment);

// The version text: key "Version" of section "SYSTEM" of the version file in the program folder; empty
// when the file or the key is missing.
std::string ReadVersionText();
