// One skin as the generator makes it: its text and its one picture, before they are checked and packed.
#pragma once

#include "tools/skingen/SkinArt.h"
#include "tools/skingen/SkinText.h"

#include <memory>
#include <string>

namespace skingen {

struct TGeneratedSkin {
    // The embedded resource's name ("MAINWINDOW").
    std::string ResourceName;
    // The text is written as <FileBase>.txt and names its picture <FileBase>.bmp.
    std::string FileBase;
    TSkinText Text;
    std::unique_ptr<TArt> Picture;
};

// A skin whose picture is Width x Height, filled with Background.
TGeneratedSkin StartSkin(const std::string& ResourceName, const std::string& FileBase, int Width, int Height,
                         TRgb Background);

// The main window's skin: the transport bar, the two time panels, the command-bar frame and the
// transport, zoom and command-bar buttons.
TGeneratedSkin MakeMainWindowSkin();
// The recording window's skin: a dark console with level meters, a volume fader, push buttons and a
// check box.
TGeneratedSkin MakeRecordingSkin();

} // namespace skingen
