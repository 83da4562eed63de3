#include "framework/ClassRegistry.h"

#include "framework/ModuleLock.h"

#include <memory>

namespace framework {

namespace {

using Factories = std::vector<std::unique_ptr<CClassFactory>>;

// No lock: the table is filled while the module loads and read on the apartment's thread. Never destroyed:
// a client may still hold a factory while the process shuts down.
Factories& TheFactories() {
    static Factories* factories = new Factories;
    return *factories;
}

}  // namespace

void RegisterClasses(const ClassEntry* entries, size_t count) {
    Factories& factories = TheFactories();
    for (size_t i = 0; i < count; ++i) {
        bool known = false;
        for (const auto& factory : factories) known = known || IsEqualCLSID(*factory->Entry().clsid, *entries[i].clsid);
        if (!known) factories.push_back(std::make_unique<CClassFactory>(entries[i]));
    }
}

std::vector<ClassEntry> RegisteredClasses() {
    std::vector<ClassEntry> result;
    for (const auto& factory : TheFactories()) result.push_back(factory->Entry());
    return result;
}

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) noexcept {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    for (const auto& factory : TheFactories()) {
        if (IsEqualCLSID(*factory->Entry().clsid, clsid)) return factory->QueryInterface(iid, ppv);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT CanUnloadNow() noexcept { return ModuleLockCount() == 0 ? S_OK : S_FALSE; }

}  // namespace framework
