// The CD road until the CD dialogs are part of the program: no drive can be read, so the command
// reports that none was found.
#include "source/mainform/CdTrackLoader.h"

namespace {

class TNoCdTrackLoader : public ICdTrackLoader {
public:
    int CdDriveCount() override { return 0; }
    TCdTrackChoice RunTrackDialog(TCustomForm&) override { return {}; }
};

} // namespace

std::unique_ptr<ICdTrackLoader> CreateCdTrackLoader() { return std::make_unique<TNoCdTrackLoader>(); }
