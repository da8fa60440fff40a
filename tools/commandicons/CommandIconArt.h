// The command pictures of source/mainform/CommandIcons.h drawn at 16 and 32 pixels, checked, and
// written as the two strips the program embeds. A picture that is empty, reaches outside its live area
// (one grid unit from each edge) or looks exactly like another stops the generator, naming the command.
#pragma once

#include "source/mainform/CommandIcons.h"
#include "tools/art/Art.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace commandicons {

// What went wrong with a picture, naming its command.
class EPictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The picture of a catalogue entry; EPictureError for a motif the generator does not know.
std::unique_ptr<art::TArt> DrawCommandIcon(const TCommandIcon& Icon, int Size);
// EPictureError when the picture shows nothing or covers a pixel outside its live area.
void CheckCommandIcon(const art::TArt& Picture, const std::string& Command);
// Every picture of the catalogue at Size, left to right, each checked; EPictureError also when two
// pictures are alike pixel for pixel.
std::unique_ptr<art::TArt> DrawCommandIconStrip(int Size);
// Writes CommandIcons16.png and CommandIcons32.png into Folder.
void WriteCommandIconStrips(const std::string& Folder);

// For inspection: the catalogue's pictures at Size grouped by family and labelled with their commands, over
// Background, each enlarged Zoom times with square pixels; only those of one family when it is given.
std::unique_ptr<art::TArt> DrawContactSheet(int Size, art::TRgb Background, int Zoom,
                                            const TIconFamily* Only = nullptr);

} // namespace commandicons
