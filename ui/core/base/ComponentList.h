// A list of components (not owned) that forgets a component when it is freed and reports every
// change: OnNotify per component, OnComponentListChanged as collection actions, held back while
// updating.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/List.h"
#include "platform/rtl/ObjectEvent.h"
#include "ui/core/base/ComponentCollection.h"

#include <memory>

class TuiComponentList;
using TuiComponentListNotifyEvent = TEvent<TuiComponentList*, TComponent*, TListNotification>;
using TuiComponentListChangedEvent =
    TEvent<TuiComponentList*, TComponent*, TuiComponentCollectionNotification>;

class TuiComponentList : public TList {
public:
    TuiComponentList();
    ~TuiComponentList() override;

    int Add(TComponent* AComponent) { return TList::Add(AComponent); }
    int Remove(TComponent* AComponent) { return TList::Remove(AComponent); }
    TComponent* Items(int AIndex) const { return static_cast<TComponent*>(TList::Items(AIndex)); }
    void Clear() override;
    void BeginUpdate() { ++FUpdateLevel; }
    // Ends an update with one notice of the whole list.
    void EndUpdate();
    // Ends an update without a notice.
    void CancelUpdate() { --FUpdateLevel; }

    TuiComponentListNotifyEvent OnNotify;
    TuiComponentListChangedEvent OnComponentListChanged;

protected:
    // Components not of this class are taken out again as soon as they are added.
    virtual bool IsItemClass(TComponent* AComponent) const { return true; }
    virtual void DoNotify(TComponent* AComponent, TListNotification AAction);
    void Notify(void* Ptr, TListNotification Action) override;

private:
    class TFreeWatcher;
    void ListChanged(TComponent* AComponent, TuiComponentCollectionNotification AAction);

    std::unique_ptr<TFreeWatcher> FWatcher; // hears of the listed components' destruction
    int FUpdateLevel = 0;
    bool FRejecting = false;
};
