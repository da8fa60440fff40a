// Until the welcome window is part of the program, the start shows none: the choice is "cancelled".
#include "source/mainform/WelcomeWindow.h"

TWelcomeChoice RunWelcomeWindow(TCustomForm&) {
    return {};
}
