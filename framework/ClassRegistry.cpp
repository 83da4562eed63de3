#include "framework/ClassRegistry.h"

#include "framework/ModuleLock.h"
#include "framework/ModuleStateGuard.h"

#include <memory>
#include <mutex>

namespace framework {

namespace {

struct Registry {
    std::mutex mutex;
    std::vector<std::unique_ptr<CClassFactory>> factories;
};

Registry& TheRegistry() {
    // Never destroyed: a client may still hold a factory while the process shuts down.
    static Registry* registry = new Registry;
    return *registry;
}

}  // namespace

void RegisterClasses(const ClassEntry* entries, size_t count) {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    for (size_t i = 0; i < count; ++i) {
        bool known = false;
        for (const auto& factory : registry.factories) {
            known = known || IsEqualCLSID(*factory->Entry().clsid, *entries[i].clsid);
        }
        if (!known) registry.factories.push_back(std::make_unique<CClassFactory>(entries[i]));
    }
}

std::vector<ClassEntry> RegisteredClasses() {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    std::vector<ClassEntry> result;
    for (const auto& factory : registry.factories) result.push_back(factory->Entry());
    return result;
}

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) noexcept {
    ModuleStateGuard guard;
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    Registry& registry = TheRegistry();
    CClassFactory* found = nullptr;
    {
        std::lock_guard<std::mutex> lock(registry.mutex);
        for (const auto& factory : registry.factories) {
            if (IsEqualCLSID(*factory->Entry().clsid, clsid)) found = factory.get();
        }
    }
    if (!found) return CLASS_E_CLASSNOTAVAILABLE;
    return found->QueryInterface(iid, ppv);
}

HRESULT CanUnloadNow() noexcept { return ModuleLockCount() == 0 ? S_OK : S_FALSE; }

}  // namespace framework
