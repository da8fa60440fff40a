// Filling the caller's string lists that the settings and registry classes answer with.
#pragma once

#include <string>
#include <vector>

class TStrings;

// Replaces the content of `list` with `items` inside one update bracket.
void ReplaceListContent(TStrings& list, const std::vector<std::string>& items);
