// The generator's check of a skin text before it is packed: what the two windows need of a skin must be
// there and must make sense, or the build stops with a message naming the skin, the section and the
// key. The reader forgives everything (a missing key takes its default, a minus sign is dropped), so
// a mistake in a skin would otherwise only show as a wrong picture at run time.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace skingen {

class ESkinCheck : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises ESkinCheck for the first problem found: a missing section or key, a key a window must not be
// given, a value that is not of its key's form, a negative coordinate, a picture rectangle that is
// empty or not inside the PictureWidth x PictureHeight picture, a rectangle or point outside its own
// skin rectangle, a state face of another size than the normal one, a picture index past the pictures,
// or an entry of "SKINCONTROLS" of a kind the check does not know.
void CheckSkinText(const std::string& SkinName, const std::vector<std::string>& Lines, int PictureWidth,
                   int PictureHeight);

} // namespace skingen
