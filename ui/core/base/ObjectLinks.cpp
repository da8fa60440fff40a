#include "ui/core/base/ObjectLinks.h"

#include "ui/core/base/FastList.h"

namespace object_links_detail {
class TuiObjectLinkController : public TObject {
public:
    TovFastList FLiveLinks;
};
TuiObjectLinkController* Controller = nullptr;
int OutstandingLinks = 0;
} // namespace object_links_detail

TuiObjectLink* uiAddObjectLink(TObject* AObject) {
    using namespace object_links_detail;
    if (AObject == nullptr) return nullptr;
    if (OutstandingLinks++ == 0) Controller = new TuiObjectLinkController;
    auto* link = new TuiObjectLink(AObject);
    Controller->FLiveLinks.Add(link);
    return link;
}

void uiRemoveObjectLink(TuiObjectLink* ALink) {
    using namespace object_links_detail;
    if (ALink == nullptr) return;
    if (ALink->Ref != nullptr) Controller->FLiveLinks.Remove(ALink);
    delete ALink;
    if (--OutstandingLinks == 0) FreeAndNil(Controller);
}

void uiClearObjectLinks(TObject* AObject) {
    using namespace object_links_detail;
    if (Controller == nullptr) return;
    TovFastList& links = Controller->FLiveLinks;
    for (int i = links.Count() - 1; i >= 0; --i) {
        auto* link = static_cast<TuiObjectLink*>(links.Items(i));
        if (link->Ref == AObject) {
            link->Ref = nullptr;
            links.Delete(i);
        }
    }
}

int uiLiveObjectLinkCount() {
    return object_links_detail::Controller == nullptr ? 0
                                                      : object_links_detail::Controller->FLiveLinks.Count();
}

bool uiObjectLinkControllerExists() {
    return object_links_detail::Controller != nullptr;
}
