#include "net/HttpListValue.h"

#include "platform/rtl/StrUtils.h"

std::vector<std::string> HttpListItems(std::string_view Value) {
    std::vector<std::string> items;
    std::size_t from = 0;
    for (;;) {
        const auto comma = Value.find(',', from);
        std::string item = Trim(Value.substr(from, comma - from));
        if (!item.empty()) items.push_back(std::move(item));
        if (comma == std::string_view::npos) return items;
        from = comma + 1;
    }
}
