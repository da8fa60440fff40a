// The pictures of the main window's commands: one table, one entry per picture. The picture generator
// (tools/commandicons) draws the entries in this order into one strip per size, the program embeds the
// strips, and the main window cuts them into its two image lists; so an entry's position is its image
// index in both lists, and a command cannot show another command's picture by mistake.
//
// A command is named as the program names it: an action by its component name ("ActionAmplify"), a bar
// button without an action by its bar item ("Bar.Vibrato", see BarItemCommandName), the two drop-down
// buttons that carry neither ("Menu.InsertSilence", "Menu.InsertFile") and the application button
// ("ApplicationButton").
#pragma once

#include "source/mainform/MainWindowBars.h"

#include <string_view>
#include <vector>

// Each family has its own accent colour in the pictures.
enum class TIconFamily {
    Document,       // files and documents
    Edit,           // clipboard and wave editing
    Selection,      // selecting
    Transport,      // playing and recording
    Effects,        // effects and filters
    NoiseReduction, // noise reduction
    View,           // view, zoom, scales and the window's panels
    Markers,        // bookmarks and regions
    Tools,          // tools and options
    Help,           // help, pages and information
    Program,        // the program's own mark (the application button)
};

struct TCommandIcon {
    const char* Command; // the command that shows the picture
    TIconFamily Family;
    const char* Motif; // what the picture shows: the generator's name for its drawing
};

// A command whose button does what another command does shows that command's picture.
struct TSharedCommandIcon {
    const char* Command;
    const char* SameAs;
};

inline constexpr int SmallCommandIconSize = 16;
inline constexpr int LargeCommandIconSize = 32;
// The embedded strips: PNG pictures, the cells left to right in the table's order.
inline constexpr const char* CommandIconResourceType = "PNG";
inline constexpr const char* SmallCommandIconResource = "OVCOMMANDICONS16";
inline constexpr const char* LargeCommandIconResource = "OVCOMMANDICONS32";

const std::vector<TCommandIcon>& CommandIcons();
const std::vector<TSharedCommandIcon>& SharedCommandIcons();

// "Bar." followed by the item's name ("Bar.Vibrato"); null for a value outside the enumeration.
const char* BarItemCommandName(TBarItem Item);
// Every bar item, in the order of the enumeration.
const std::vector<TBarItem>& AllBarItems();
// The family's name on the contact sheets ("Effects").
const char* IconFamilyName(TIconFamily Family);

// The image index of a command's picture, shared pictures included; -1 for a command without one.
int CommandIconIndex(std::string_view Command);
int BarItemIconIndex(TBarItem Item);
