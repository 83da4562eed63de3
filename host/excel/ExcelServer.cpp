#include "host/excel/ExcelServer.h"

#include "host/excel/UnknownImpl.h"

#include <oleauto.h>

#include <new>
#include <utility>

namespace host {

struct ExcelServer::State {
    std::function<void(Excel&)> prepare;
    std::vector<std::shared_ptr<Excel>> started;
};

namespace {

constexpr const wchar_t* kProgIdKey = L"Excel.Application";
constexpr const wchar_t* kClsidText = L"{00024500-0000-0000-C000-000000000046}";

class ExcelClassObject : public UnknownImpl<IClassFactory, IID_IClassFactory> {
public:
    explicit ExcelClassObject(std::shared_ptr<ExcelServer::State> state) : m_state(std::move(state)) {}

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        try {
            auto excel = Excel::Create();
            excel->SetWindowCount(0);
            if (m_state->prepare) m_state->prepare(*excel);
            m_state->started.push_back(excel);
            return excel->Application()->QueryInterface(iid, object);
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    ~ExcelClassObject() override = default;

    std::shared_ptr<ExcelServer::State> m_state;
};

bool WriteDefault(HKEY parent, const wchar_t* subKey, const wchar_t* text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(parent, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                 DWORD((lstrlenW(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

}  // namespace

ExcelServer::ExcelServer() : m_state(std::make_shared<State>()) {
    HKEY existing = nullptr;
    m_keyWasThere = RegOpenKeyExW(HKEY_CLASSES_ROOT, kProgIdKey, 0, KEY_READ, &existing) == ERROR_SUCCESS;
    if (existing) RegCloseKey(existing);
    m_keyWritten = WriteDefault(HKEY_CLASSES_ROOT, kProgIdKey, L"Microsoft Excel Application") &&
                   WriteDefault(HKEY_CLASSES_ROOT, L"Excel.Application\\CLSID", kClsidText);
    auto* classObject = new (std::nothrow) ExcelClassObject(m_state);
    if (classObject) {
        if (FAILED(CoRegisterClassObject(CLSID_ExcelApplication, classObject, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                         &m_classCookie)))
            m_classCookie = 0;
        classObject->Release();
    }
}

ExcelServer::~ExcelServer() {
    SetRunning(nullptr);
    if (m_classCookie) CoRevokeClassObject(m_classCookie);
    if (m_keyWritten && !m_keyWasThere) RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgIdKey);
}

void ExcelServer::SetStartup(std::function<void(Excel&)> prepare) { m_state->prepare = std::move(prepare); }

void ExcelServer::SetRunning(std::shared_ptr<Excel> excel) {
    if (m_runningCookie) RevokeActiveObject(std::exchange(m_runningCookie, 0), nullptr);
    if (!excel) return;
    framework::ComPtr<IDispatch> application = excel->Application();
    if (FAILED(RegisterActiveObject(application.Get(), CLSID_ExcelApplication, ACTIVEOBJECT_STRONG, &m_runningCookie)))
        m_runningCookie = 0;
}

const std::vector<std::shared_ptr<Excel>>& ExcelServer::Started() const { return m_state->started; }

}  // namespace host
