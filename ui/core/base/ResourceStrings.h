// The registry of the library's translatable texts: each product registers its resource strings by
// identifier, so that a translation could replace them and tell the listeners.
#pragma once

#include "platform/rtl/ObjectList.h"
#include "platform/rtl/StringList.h"

#include <functional>
#include <string>
#include <vector>

// A translatable text of the program: its identifier and its current text.
struct TResStringRec {
    const char* Identifier;
    std::string Text;
};

// The one entry point through which the library reads its texts.
inline const std::string& uiGetResourceString(const TResStringRec& AString) {
    return AString.Text;
}

class TovProductResourceStrings;
using TovRegistrationProc = std::function<void(TovProductResourceStrings* AProduct)>;

class TovProductResourceStrings : public TObject {
public:
    // Calls ARegistrationProc (when given) at once, so the product's texts are known from now on.
    TovProductResourceStrings(const std::string& AProductName, TovRegistrationProc ARegistrationProc);
    ~TovProductResourceStrings() override;
    void Add(const std::string& AIdentifier, TResStringRec* AString);
    const std::string& ProductName() const { return FProductName; }
    int Count() const { return FNames->Count(); }
    // The record registered under the identifier, or null.
    TResStringRec* Find(const std::string& AIdentifier) const;
    std::string Names(int AIndex) const { return FNames->Strings(AIndex); }

private:
    std::string FProductName;
    TStringList* FNames;
    TovRegistrationProc FRegistrationProc;
};

// A party that wants to hear when registered texts change.
class IovResourceStringsListener {
public:
    virtual ~IovResourceStringsListener() = default;
    virtual void ResourceStringsChanged() = 0;
};

class TovResourceStringsRepository : public TObject {
public:
    TovResourceStringsRepository();
    ~TovResourceStringsRepository() override;
    void RegisterProduct(const std::string& AProductName, TovRegistrationProc ARegistrationProc);
    // Removes the first product of exactly that name (case-sensitive); an unknown name does nothing.
    void UnRegisterProduct(const std::string& AProductName);
    int IndexOfProduct(const std::string& AProductName) const;
    TovProductResourceStrings* Products(int AIndex) const;
    int ProductCount() const { return FProductList->Count(); }

    // Each listener is held once, without taking ownership.
    void AddListener(IovResourceStringsListener* AListener);
    void RemoveListener(IovResourceStringsListener* AListener);
    int ListenerCount() const { return static_cast<int>(FListenerRefs.size()); }
    // Tells every listener that texts were replaced.
    void NotifyListeners();

private:
    TObjectList* FProductList;
    std::vector<IovResourceStringsListener*> FListenerRefs;
};

// The repository, made on first use; null after the library's shut-down.
TovResourceStringsRepository* ovResourceStringsRepository();
void ovFreeResourceStringsRepository();
void ovAllowResourceStringsRepository(); // after a shut-down, lets it be made again (start-up)
