// Where the layout store tells what it ignored or could not do. Damaged values are met while the main
// window is being created and failed writes while it is being destroyed; neither is a moment for a
// message box, and neither may cost the user anything, so both go to the diagnostic output (standard
// error), which tests replace to see them.
#pragma once

#include <functional>
#include <string>

using TovBarLayoutReportSink = std::function<void(const std::string&)>;

// One line of diagnostic output, prefixed "Toolbar layout: ".
void ovBarLayoutReport(const std::string& AText);
// Installs a sink (an empty one restores standard error); returns the previous one.
TovBarLayoutReportSink ovSetBarLayoutReportSink(TovBarLayoutReportSink ASink);
