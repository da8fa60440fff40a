// The tags a sound file carries and the standard list of 148 genre names.
#pragma once

#include <string>

struct TAudioTags {
    std::string Title, Artist, Album, Year, Comment;
    int Genre = -1; // index into the genre list, -1 for none

    bool Empty() const {
        return Title.empty() && Artist.empty() && Album.empty() && Year.empty() && Comment.empty() &&
               Genre < 0;
    }
};

namespace audio_genres {
constexpr int Count = 148;
// The name of genre `index` (0..147); empty for any other index.
std::string Name(int index);
// The index of a genre given by name (any case) or as "(n)" / "n"; -1 when unknown.
int Find(const std::string& text);
} // namespace audio_genres
