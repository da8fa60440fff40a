#include "platform/rtl/Object.h"

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/WeakLink.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

TObject::~TObject() {
    ClearWeakLinks();
}

void TObject::ClearWeakLinks() {
    while (FWeakLinks != nullptr)
        FWeakLinks->Clear();
}

std::string TObject::ClassNameOf(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    std::string name = (status == 0 && demangled) ? demangled.get() : type.name();
    // Drop namespaces, but not inside template arguments.
    std::size_t depth = 0, start = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '<')
            ++depth;
        else if (name[i] == '>' && depth > 0)
            --depth;
        else if (depth == 0 && name[i] == ':' && i + 1 < name.size() && name[i + 1] == ':')
            start = i + 2;
    }
    return name.substr(start);
}

std::string TObject::ClassName() const {
    return ClassNameOf(typeid(*this));
}

bool TObject::ClassNameIs(const std::string& name) const {
    return SameText(ClassName(), name);
}
