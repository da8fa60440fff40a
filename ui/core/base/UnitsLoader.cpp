#include "ui/core/base/UnitsLoader.h"

#include <algorithm>

TovUnitsLoader::~TovUnitsLoader() {
    Finalize();
}

void TovUnitsLoader::AddUnit(TovUnitProc AInit, TovUnitProc AFinal) {
    if (AInit != nullptr) {
        FInitialized = true;
        AInit();
    }
    if (AFinal != nullptr) FFinalizers.push_back(AFinal);
}

void TovUnitsLoader::RemoveUnit(TovUnitProc AFinal) {
    const auto it = std::find(FFinalizers.begin(), FFinalizers.end(), AFinal);
    if (it == FFinalizers.end()) return;
    FFinalizers.erase(it);
    if (FInitialized && AFinal != nullptr) AFinal();
}

void TovUnitsLoader::Finalize() {
    if (FInitialized) {
        // An end procedure may remove other units; take each from the back as it runs.
        while (!FFinalizers.empty()) {
            TovUnitProc last = FFinalizers.back();
            FFinalizers.pop_back();
            last();
        }
    }
    FInitialized = false;
    FFinalizers.clear();
}

namespace units_loader_detail {
TovUnitsLoader* Instance = nullptr;
bool Finalized = false;
} // namespace units_loader_detail

TovUnitsLoader* ovUnitsLoader() {
    using namespace units_loader_detail;
    if (Instance == nullptr && !Finalized) Instance = new TovUnitsLoader;
    return Instance;
}

void ovFreeUnitsLoader() {
    using namespace units_loader_detail;
    Finalized = true;
    TovUnitsLoader* doomed = Instance;
    Instance = nullptr;
    delete doomed;
}

void ovAllowUnitsLoader() {
    units_loader_detail::Finalized = false;
}
