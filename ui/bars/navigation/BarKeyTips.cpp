#include "ui/bars/navigation/BarKeyTips.h"

#include "platform/rtl/StrUtils.h"

namespace {

void AppendKeyTipSuffixes(TovBarKeyTipDataList& AList, const std::vector<int>& AGroup) {
    const int count = static_cast<int>(AGroup.size());
    for (int k = 0; k < count; ++k)
        AList[AGroup[k]]->Info.KeyTip += ovKeyTipSuffix(count, k);
}

bool KeyTipBegins(const std::string& AText, const std::string& APrefix) {
    return AText.size() >= APrefix.size() && AText.compare(0, APrefix.size(), APrefix) == 0;
}

// Equal key tips all get numbers; a key tip that begins another one alone gets "1". True when
// something changed.
bool ResolveKeyTipCollision(TovBarKeyTipDataList& AList, int AIndex) {
    const std::string keyTip = AList[AIndex]->Info.KeyTip;
    std::vector<int> group;
    for (int j = 0; j < static_cast<int>(AList.size()); ++j)
        if (AList[j]->Info.KeyTip == keyTip) group.push_back(j);
    if (group.size() >= 2) {
        AppendKeyTipSuffixes(AList, group);
        return true;
    }
    for (int j = 0; j < static_cast<int>(AList.size()); ++j) {
        if (j != AIndex && KeyTipBegins(AList[j]->Info.KeyTip, keyTip)) {
            AppendKeyTipSuffixes(AList, {AIndex});
            return true;
        }
    }
    return false;
}

} // namespace

std::string TovBarKeyTipData::UpperKeyTip() const {
    return UpperCase(Info.KeyTip);
}

void TovBarKeyTipData::ShowWindow(IovBarKeyTipWindowsManager* AManager) {
    if (AManager == nullptr || Window != nullptr) return;
    AManager->Add(UpperKeyTip(), Info.BasePoint, Info.HorzAlign, Info.VertAlign, Info.Enabled, Window);
}

void TovBarKeyTipData::HideWindow(IovBarKeyTipWindowsManager* AManager) {
    if (Window == nullptr) return;
    if (AManager != nullptr) AManager->Delete(Window);
    Window = nullptr;
}

std::string ovKeyTipSuffix(int ACount, int AIndex) {
    const std::string digits = std::to_string(ACount);
    std::string number = std::to_string(AIndex + 1);
    if (number.size() < digits.size()) number.insert(0, digits.size() - number.size(), '0');
    return number;
}

void ovMakeKeyTipsUnique(TovBarKeyTipDataList& AList) {
    // Every change lengthens a key tip, so the passes end; the cap only guards against a list no pass
    // can settle.
    bool changed = true;
    for (int pass = 0; changed && pass < 64; ++pass) {
        changed = false;
        for (int i = 0; i < static_cast<int>(AList.size()); ++i)
            if (ResolveKeyTipCollision(AList, i)) changed = true;
    }
}
