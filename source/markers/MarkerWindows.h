// The bookmark and region windows as one service of the main window: its Set Bookmark, Add Region and
// Open ... List commands, emptying both lists when the document goes, and keeping the marker numbers of
// both lists in step when a marker is deleted from either.
//
// The windows belong to the application (made by the program's start); this object belongs to the main
// window and lets go of the windows if they are freed first.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/WeakLink.h"
#include "source/mainform/MarkerListWindows.h"

#include <memory>

class IMarkerHost;
class TBookmarkForm;
class TRegionForm;

class TMarkerWindows : public TComponent, public IMarkerListWindows {
public:
    TMarkerWindows(TComponent* AOwner, std::unique_ptr<IMarkerHost> Host, TBookmarkForm* Bookmarks,
                   TRegionForm* Regions);
    ~TMarkerWindows() override;

    IMarkerHost& Host() { return *FHost; }
    TBookmarkForm* Bookmarks() const { return FBookmarks.Get(); }
    TRegionForm* Regions() const { return FRegions.Get(); }

    void ClearLists() override;
    // Names the selection's start as a bookmark, then shows the bookmark list.
    void SetBookmark();
    // Names the selection as a region, then shows the region list.
    void AddRegion();
    void OpenBookmarkList();
    void OpenRegionList();
    // Marker `Number` was deleted: the entries above it in both lists take the number below their own.
    void MarkerDeleted(int Number);

private:
    std::unique_ptr<IMarkerHost> FHost;
    TWeakLink<TBookmarkForm> FBookmarks;
    TWeakLink<TRegionForm> FRegions;
};
