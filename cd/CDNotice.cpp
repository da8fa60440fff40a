#include "cd/CDNotice.h"

#include <cstdio>
#include <utility>

namespace {
TCDNoticeHandler& Handler() {
    static TCDNoticeHandler handler;
    return handler;
}
} // namespace

TCDNoticeHandler SetCDNoticeHandler(TCDNoticeHandler Handler_) {
    return std::exchange(Handler(), std::move(Handler_));
}

void ShowCDNotice(const std::string& Caption, const std::string& Text) {
    if (Handler()) {
        Handler()(Caption, Text);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", Caption.c_str(), Text.c_str());
}
