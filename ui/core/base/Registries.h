// Small containers of the library: a list of event handlers, a registry mapping classes to classes
// (the most specific registration wins for a class and its descendants), and a registry of classes
// with descriptions.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/StringList.h"
#include "ui/core/base/ClassRefs.h"
#include "ui/core/base/FastList.h"

#include <string>
#include <vector>

using TuiEventHandler = TEvent<TObject*, void*>;

// A string list whose Sort uses OnCompare when one is set.
class TuiStringList : public TStringList {
public:
    void Sort() override;
    TStringListSortCompare OnCompare;
};

class TuiEventHandlerCollection : public TObject {
public:
    // Appends unless an equal handler is there.
    void Add(const TuiEventHandler& AHandler);
    void Remove(const TuiEventHandler& AHandler);
    // An index outside the list is ignored.
    void Delete(int AIndex);
    int IndexOf(const TuiEventHandler& AHandler) const;
    int Count() const { return static_cast<int>(FHandlers.size()); }
    // Calls every handler in order.
    void CallEvents(TObject* ASender, void* AEventArgs) const;

private:
    std::vector<TuiEventHandler> FHandlers;
};

struct TuiRegisteredClassListItemData {
    const TuiClassRef* ItemClass;
    const TuiClassRef* RegisteredClass;
};

class TuiRegisteredClassList : public TObject {
public:
    ~TuiRegisteredClassList() override;
    // The entry for AClass (its own or its nearest registered ancestor's). Without one, AIndex is left
    // at the lowest entry of a descendant (or unchanged) and the result is false.
    virtual bool Find(const TuiClassRef* AClass, int& AIndex) const;
    // Keeps entries of descendants after those of their ancestors.
    virtual void Register(const TuiClassRef* AItemClass, const TuiClassRef* ARegisteredClass);
    // Removes every entry with exactly this pair.
    virtual void Unregister(const TuiClassRef* AItemClass, const TuiClassRef* ARegisteredClass);
    const TuiClassRef* FindClass(const TuiClassRef* AClass) const;
    void Clear();
    int Count() const { return FEntries.Count(); }
    const TuiRegisteredClassListItemData& Items(int AIndex) const;

private:
    TovFastList FEntries;
};

class TuiRegisteredClasses : public TObject {
public:
    explicit TuiRegisteredClasses(bool ARegistersClasses = false) : FRegistersClasses(ARegistersClasses) {}
    ~TuiRegisteredClasses() override;
    // Nothing when the class is there already; otherwise added (sorted when KeepSorted) and, when the
    // registry registers classes, made known to the class registry for streaming.
    void Register(const TuiClassRef* AClass, const std::string& ADescription);
    void Unregister(const TuiClassRef* AClass);
    int IndexOf(const TuiClassRef* AClass) const;
    // The first class whose name is exactly AName.
    const TuiClassRef* FindByClassName(const std::string& AName) const;
    // The description up to its first "|".
    std::string GetDescription(int AIndex) const;
    int Count() const { return static_cast<int>(FEntries.size()); }
    const TuiClassRef* Items(int AIndex) const;
    void Clear();
    bool KeepSorted() const { return FKeepSorted; }
    void SetKeepSorted(bool AValue);
    // Case-insensitive order of the descriptions.
    virtual int CompareItems(int AIndex1, int AIndex2) const;
    virtual void Sort();

private:
    struct Entry {
        std::string Description;
        const TuiClassRef* Class;
    };
    std::vector<Entry> FEntries;
    bool FRegistersClasses;
    bool FKeepSorted = false;
};

// The text before the first "|".
std::string ExtractDescription(const std::string& AText);
