// The gallery of our skins: pictures of skinned controls taken from the screen, each written as its own
// PNG and gathered with a caption on one contact sheet per skin, under build/test-output/skins/.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TBitmap;

namespace windowskins {

class TGallery {
public:
    // Pictures go to skins/<Folder>/ (emptied first, so no picture of an earlier run stays), the sheet
    // to skins/<Folder>.png.
    TGallery(std::string Title, std::string Folder);
    // Writes the picture (1:1) as skins/<Folder>/<Name>.png and puts it on the sheet, Zoom times larger.
    void Add(const std::string& Name, std::unique_ptr<TBitmap> Picture, int Zoom = 2);
    void NewRow();
    // Writes the sheet; false when a picture or the sheet could not be written.
    bool Save();

private:
    struct TCell {
        std::string Name;
        std::unique_ptr<TBitmap> Picture;
        int Zoom;
    };
    std::string FTitle, FFolder;
    std::vector<std::vector<TCell>> FRows{1};
    bool FWritten = true;
};

} // namespace windowskins
