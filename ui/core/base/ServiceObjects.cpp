#include "ui/core/base/ServiceObjects.h"

#include "ui/core/base/MessagesController.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/base/WindowProcChain.h"

namespace service_objects_detail {
bool Finalized = false;
TuiMessageWindow* MessageWindow = nullptr;
TovSystemInfo* SystemInfo = nullptr;
TovMessagesController* MessagesController = nullptr;
TuiWindowProcController* WindowProcController = nullptr;

template <class T> T* Lazy(T*& AInstance) {
    if (AInstance == nullptr && !Finalized) AInstance = new T;
    return AInstance;
}
} // namespace service_objects_detail

TuiMessageWindow* uiMessageWindow() {
    return service_objects_detail::Lazy(service_objects_detail::MessageWindow);
}

TovSystemInfo* ovSystemInfo() {
    return service_objects_detail::Lazy(service_objects_detail::SystemInfo);
}

TovMessagesController* ovMessagesController() {
    return service_objects_detail::Lazy(service_objects_detail::MessagesController);
}

TuiWindowProcController* uiWindowProcController() {
    return service_objects_detail::Lazy(service_objects_detail::WindowProcController);
}

TuiWindowProcController* uiWindowProcControllerIfExists() {
    return service_objects_detail::WindowProcController;
}

void uiFreeServiceObjects() {
    using namespace service_objects_detail;
    Finalized = true;
    FreeAndNil(MessageWindow);
    FreeAndNil(WindowProcController);
    FreeAndNil(MessagesController);
    FreeAndNil(SystemInfo);
}

void uiStartServiceObjects() {
    service_objects_detail::Finalized = false;
}

bool uiServiceObjectsFinalized() {
    return service_objects_detail::Finalized;
}
