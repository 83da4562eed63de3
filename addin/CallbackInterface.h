// The ribbon's callback dispatch interface: IDispatch plus the two operations its Invoke calls.
#pragma once

#include <windows.h>
#include <oaidl.h>

struct ICellwrightCallbacks : public IDispatch {
    // Runs the command runner with a tool number.
    virtual HRESULT STDMETHODCALLTYPE RunTool(long tool) = 0;
    // Fills result with the picture for the image id.
    virtual HRESULT STDMETHODCALLTYPE LoadImages(BSTR* imageId, VARIANT* result) = 0;
};
