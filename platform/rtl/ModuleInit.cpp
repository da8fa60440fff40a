#include "platform/rtl/ModuleInit.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace module_init_detail {

struct TModule {
    std::string Name;
    int Order = 0;
    std::size_t Sequence = 0;
    std::function<void()> Init;
    std::function<void()> Shutdown;
    bool Initialized = false;
};

struct TRegistry {
    std::vector<TModule> Modules;
    std::vector<std::string> InitOrder; // names in the order their inits completed
    std::size_t NextSequence = 0;
};

TRegistry& Registry() {
    static TRegistry registry;
    return registry;
}

TModule* Find(const std::string& name) {
    for (TModule& module : Registry().Modules)
        if (module.Name == name) return &module;
    return nullptr;
}

// Shuts down the modules named in InitOrder from the end down to `keep`, collecting the first error.
void ShutDownTo(std::size_t keep, std::exception_ptr& firstError) {
    TRegistry& registry = Registry();
    while (registry.InitOrder.size() > keep) {
        const std::string name = registry.InitOrder.back();
        registry.InitOrder.pop_back();
        TModule* module = Find(name);
        if (module == nullptr || !module->Initialized) continue;
        module->Initialized = false;
        const std::function<void()> shutdown =
            module->Shutdown; // may register modules, see InitializeModules
        try {
            if (shutdown) shutdown();
        } catch (...) {
            if (!firstError) firstError = std::current_exception();
        }
    }
}

} // namespace module_init_detail

bool RegisterModule(const std::string& name, int order, std::function<void()> init,
                    std::function<void()> shutdown) {
    using namespace module_init_detail;
    if (Find(name) != nullptr) return false;
    TRegistry& registry = Registry();
    registry.Modules.push_back(
        TModule{name, order, registry.NextSequence++, std::move(init), std::move(shutdown), false});
    return true;
}

void InitializeModules() {
    using namespace module_init_detail;
    TRegistry& registry = Registry();
    std::vector<TModule*> pending;
    for (TModule& module : registry.Modules)
        if (!module.Initialized) pending.push_back(&module);
    std::sort(pending.begin(), pending.end(), [](const TModule* a, const TModule* b) {
        return a->Order != b->Order ? a->Order < b->Order : a->Sequence < b->Sequence;
    });
    // Copy the names first: an init may register further modules, which moves the vector's elements.
    std::vector<std::string> names;
    for (const TModule* module : pending)
        names.push_back(module->Name);

    const std::size_t before = registry.InitOrder.size();
    for (const std::string& name : names) {
        // Call a copy: an init that registers further modules moves the registry's elements.
        const std::function<void()> init = Find(name)->Init;
        try {
            if (init) init();
        } catch (...) {
            std::exception_ptr ignored;
            ShutDownTo(before, ignored); // undo this call's work; the init's error is the one to report
            throw;
        }
        Find(name)->Initialized = true;
        registry.InitOrder.push_back(name);
    }
}

void FinalizeModules() {
    std::exception_ptr firstError;
    module_init_detail::ShutDownTo(0, firstError);
    if (firstError) std::rethrow_exception(firstError);
}

bool IsModuleInitialized(const std::string& name) {
    const module_init_detail::TModule* module = module_init_detail::Find(name);
    return module != nullptr && module->Initialized;
}

void ClearModuleRegistry() {
    module_init_detail::TRegistry& registry = module_init_detail::Registry();
    if (!registry.InitOrder.empty()) throw EInvalidOperation("Modules are still initialized");
    registry.Modules.clear();
}
