// The typing search of lists: letters typed in quick succession build a prefix that finds the next item
// starting with it; a pause starts a new search. List boxes, combo boxes, list views and tree views share
// it, so they all answer the keyboard alike.
#pragma once

#include "platform/vcl/ControlTypes.h"

#include <cstdint>
#include <functional>
#include <string>

// Whether Text starts with Prefix, ignoring the case of ASCII letters.
bool StartsWithNoCase(const std::string& Text, const std::string& Prefix);
// The first of Count items (TextOf gives an item's text) after item After (-1: from the first), going
// round, whose text starts with Wanted, or is Wanted when Exact, case ignored; -1 when none is.
int FindListItem(int Count, const std::function<std::string(int)>& TextOf, const std::string& Wanted,
                 int After, bool Exact);

class TListTypingSearch {
public:
    // The pause (milliseconds) after which a typed letter starts a new search.
    static constexpr std::uint64_t Pause = 1000;

    // Adds Key to the search (a new one after a pause) and answers the text searched for now.
    const std::string& Type(TKeyChar Key);
    // Types Key and answers the item to go to among Count items (TextOf gives an item's text), searching
    // from Current (-1: none) onwards and round: the same letter again cycles through the items starting
    // with it, more letters narrow the search. -1 when no item matches.
    int Find(TKeyChar Key, int Current, int Count, const std::function<std::string(int)>& TextOf);

private:
    std::string FSearch;
    std::uint64_t FTime = 0;
};
