// The effect road until the effect dialogs are part of the program: an effect command says that it is
// not available yet and leaves the document as it is.
#include "platform/vcl/Application.h"
#include "source/mainform/EffectCommands.h"

namespace {

class TPendingEffectCommands : public IEffectCommands {
public:
    void RunEffect(TEffectCommand) override {
        Application()->MessageBox("This effect is not available yet.", Application()->Title(),
                                  MB_OK | MB_ICONINFORMATION);
    }
};

} // namespace

std::unique_ptr<IEffectCommands> CreateEffectCommands(TMainForm&) {
    return std::make_unique<TPendingEffectCommands>();
}
