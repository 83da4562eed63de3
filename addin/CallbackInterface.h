// The ribbon's callback dispatch interface: IDispatch plus the operation its Invoke calls for the pictures.
#pragma once

#include <windows.h>
#include <oaidl.h>

struct ICellwrightCallbacks : public IDispatch {
    // Fills result with the picture for the image id.
    virtual HRESULT STDMETHODCALLTYPE LoadImages(BSTR* imageId, VARIANT* result) = 0;
};
