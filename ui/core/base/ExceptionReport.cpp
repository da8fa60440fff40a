#include "ui/core/base/ExceptionReport.h"

#include "platform/vcl/Application.h"

#include <cstdio>
#include <exception>

void uiHandleException(TObject* ASender) {
    if (TApplication* application = Application()) {
        application->HandleException(ASender);
        return;
    }
    // Before the application exists (or after it is gone) the message still goes somewhere visible.
    try {
        throw;
    } catch (std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "Unknown error\n");
    }
}
