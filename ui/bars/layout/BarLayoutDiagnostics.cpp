#include "ui/bars/layout/BarLayoutDiagnostics.h"

#include <cstdio>
#include <utility>

namespace {

TovBarLayoutReportSink& Sink() {
    static TovBarLayoutReportSink sink;
    return sink;
}

} // namespace

void ovBarLayoutReport(const std::string& AText) {
    const std::string line = "Toolbar layout: " + AText;
    if (Sink()) {
        Sink()(line);
        return;
    }
    std::fprintf(stderr, "%s\n", line.c_str());
}

TovBarLayoutReportSink ovSetBarLayoutReportSink(TovBarLayoutReportSink ASink) {
    return std::exchange(Sink(), std::move(ASink));
}
