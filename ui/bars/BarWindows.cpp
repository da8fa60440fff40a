#include "ui/bars/BarWindows.h"

namespace {
IovBarWindowFactory* Factory = nullptr;
}

IovBarWindowFactory* ovBarWindowFactory() {
    return Factory;
}

IovBarWindowFactory* ovSetBarWindowFactory(IovBarWindowFactory* AFactory) {
    IovBarWindowFactory* previous = Factory;
    Factory = AFactory;
    return previous;
}
