// System window classes are always there: a program creates "STATIC" or "EDIT" windows without
// registering anything. The window system supplies "STATIC"; a layer above supplies a class the window
// system cannot build on its own (the class library's "EDIT", on its edit control). A supplied class is
// registered the first time a window of it is made or the class is looked up, again after every reset.
#pragma once

#include <string>

namespace olva::win {

using TSystemClassRegistrar = void (*)();
// A null registrar takes the class away again (from the next reset on).
void ProvideSystemClass(const std::string& name, TSystemClassRegistrar registrar);

} // namespace olva::win
