#include "host/workbench/WizardSteps.h"

#include <cstdio>
#include <stdexcept>

#include "res/resource.h"

namespace workbench {

void Check(HRESULT hr, const char* what) {
    if (FAILED(hr)) {
        char text[160];
        std::snprintf(text, sizeof text, "%s failed (0x%08lX)", what, static_cast<unsigned long>(hr));
        throw std::runtime_error(text);
    }
}

void ScriptOptionWizard(host::WizardDriver& driver, UINT optionsPage, int option, std::wstring& address,
                        std::wstring& caption, PageAlbum& album, const std::wstring& pictureName) {
    driver.WaitForPage(IDD_SELECT_N).ReadText(IDC_RANGE_ADDRESS, address);
    album.Add(driver, pictureName + L"-range");
    driver.PressNext().WaitForPage(optionsPage).ReadText(option, caption).CheckRadio(option);
    album.Add(driver, pictureName + L"-options");
    driver.PressFinish();
}

}  // namespace workbench
