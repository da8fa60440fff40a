// The lists the styles unit keeps (listeners, followers, a repository's styles and sheets): each entry
// at most once, in the order added.
#pragma once

#include <algorithm>
#include <vector>

template <class T> bool uiListContains(const std::vector<T*>& AList, const T* AItem) {
    return std::find(AList.begin(), AList.end(), AItem) != AList.end();
}

// False when the item was there already.
template <class T> bool uiListAddOnce(std::vector<T*>& AList, T* AItem) {
    if (uiListContains(AList, AItem)) return false;
    AList.push_back(AItem);
    return true;
}

// False when the item was not there.
template <class T> bool uiListRemove(std::vector<T*>& AList, const T* AItem) {
    const auto it = std::find(AList.begin(), AList.end(), AItem);
    if (it == AList.end()) return false;
    AList.erase(it);
    return true;
}
