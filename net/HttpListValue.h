// The items of a header value that is a comma-separated list (Transfer-Encoding, a merged
// Content-Length): trimmed, empty ones dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> HttpListItems(std::string_view Value);
