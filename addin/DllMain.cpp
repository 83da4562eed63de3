// The DLL's entry points: loading, the class object, unloading and self-registration.
#include <windows.h>

#include "addin/CellwrightApp.h"
#include "addin/registration/Registration.h"
#include "framework/Barrier.h"
#include "framework/ClassRegistry.h"
#include "framework/Module.h"

CCellwrightRMApp theApp;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH: DisableThreadLibraryCalls(instance); return framework::ProcessAttach(instance);
    case DLL_PROCESS_DETACH: framework::ProcessDetach(); return TRUE;
    default: return TRUE;
    }
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    return framework::GetClassObject(rclsid, riid, ppv);
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return framework::CanUnloadNow(); }

extern "C" HRESULT WINAPI DllRegisterServer() {
    return framework::HResultBarrier([] { return RegisterAddin(); });
}

extern "C" HRESULT WINAPI DllUnregisterServer() {
    return framework::HResultBarrier([] { return UnregisterAddin(); });
}
