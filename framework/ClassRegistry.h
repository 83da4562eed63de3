// The module's class table: what DllGetClassObject serves and DllCanUnloadNow watches.
#pragma once

#include "framework/ClassFactory.h"

#include <cstddef>
#include <vector>

namespace framework {

// Registers the classes of the module (from InitInstance). A CLSID registered before keeps its factory,
// so references handed out earlier stay valid.
void RegisterClasses(const ClassEntry* entries, size_t count);
template <size_t N>
void RegisterClasses(const ClassEntry (&entries)[N]) {
    RegisterClasses(entries, N);
}

// The registered classes in registration order, for the registry entries.
std::vector<ClassEntry> RegisteredClasses();

// DllGetClassObject: clears *ppv, finds the class's factory and returns its QueryInterface(iid), else
// CLASS_E_CLASSNOTAVAILABLE.
HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv) noexcept;

// DllCanUnloadNow: S_FALSE while an object, a lock or an outside factory reference is alive.
HRESULT CanUnloadNow() noexcept;

}  // namespace framework
