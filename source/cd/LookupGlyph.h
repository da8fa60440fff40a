// The picture on the CD dialog's database lookup button, drawn in code: a silver disc with a blue
// globe in front of it, 24 x 24 with soft edges.
#pragma once

#include <memory>

class TPngPicture;

std::unique_ptr<TPngPicture> MakeLookupGlyph();
