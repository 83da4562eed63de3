// Office's side of an add-in's ribbon: onLoad hands over an IRibbonUI, getEnabled is asked once and again only
// after an invalidation, and a click calls onAction with the control.
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "host/excel/Ribbon.h"
#include "tests/host/DispatchClient.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace host::test {
namespace {

// Plays an add-in's callbacks: names to DISPIDs, and what each call brought.
class FakeCallbacks : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid != IID_IUnknown && iid != IID_IDispatch) return *out = nullptr, E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* id) override
    {
        auto it = ids.find(names[0]);
        if (it == ids.end()) return DISP_E_UNKNOWNNAME;
        *id = it->second;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                     UINT*) override
    {
        IDispatch* argument = params->cArgs == 1 ? params->rgvarg[0].pdispVal : nullptr;
        if (id == 8) ribbon = framework::ComPtr<IDispatch>(argument);
        if (id == 6) clicked.push_back(Get(argument, 1).value.AsString());
        if (id == 7 && result) *result = Variant::Bool(enabled).Get(), result->vt = VT_BOOL;
        return S_OK;
    }

    std::map<std::wstring, DISPID> ids{{L"UndoLast", 6}, {L"UndoEnabled", 7}, {L"RibbonLoaded", 8}};
    ULONG references = 1;
    bool enabled = false;
    framework::ComPtr<IDispatch> ribbon;
    std::vector<std::wstring> clicked;
};

const wchar_t kMarkup[] =
    L"<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\" onLoad=\"RibbonLoaded\">"
    L"<ribbon><tabs><tab id=\"T\" label=\"Tab\"><group id=\"G\" label=\"Group\">"
    L"<button id=\"Plain\" label=\"Plain\" onAction=\"UndoLast\"/>"
    L"<button id=\"UndoLast\" label=\"Undo Last Run\" imageMso=\"Undo\" onAction=\"UndoLast\" getEnabled=\"UndoEnabled\"/>"
    L"</group></tab></tabs></ribbon></customUI>";

TEST(RibbonModel, getEnabled_is_asked_once_and_again_only_after_the_add_in_invalidates_the_button)
{
    const long baseline = LiveObjects();
    FakeCallbacks addin;
    {
        auto excel = Excel::Create();
        Ribbon ribbon(excel, kMarkup, framework::ComPtr<IDispatch>(&addin));
        EXPECT_EQ(ribbon.Buttons(), (std::vector<std::wstring>{L"Plain", L"UndoLast"}));
        EXPECT_EQ(ribbon.Attribute(L"UndoLast", L"imageMso"), L"Undo");
        ASSERT_EQ(ribbon.Load(), S_OK);
        ASSERT_TRUE(addin.ribbon);

        EXPECT_FALSE(ribbon.Enabled(L"UndoLast"));
        EXPECT_EQ(ribbon.Click(L"UndoLast"), S_FALSE) << "a greyed button takes no click";
        addin.enabled = true;
        EXPECT_FALSE(ribbon.Enabled(L"UndoLast")) << "Office keeps the answer until invalidated";
        EXPECT_EQ(ribbon.EnabledAsked(L"UndoLast"), 1u);
        EXPECT_EQ(Call(addin.ribbon.Get(), 2, {Str(L"UndoLast")}).hr, S_OK);
        EXPECT_TRUE(ribbon.Enabled(L"UndoLast"));
        EXPECT_EQ(ribbon.EnabledAsked(L"UndoLast"), 2u);
        addin.enabled = false;
        EXPECT_EQ(Call(addin.ribbon.Get(), 1).hr, S_OK);
        EXPECT_FALSE(ribbon.Enabled(L"UndoLast")) << "Invalidate asks every button again";
        EXPECT_EQ(ribbon.Invalidations(), (std::vector<std::wstring>{L"UndoLast", L"*"}));

        EXPECT_TRUE(ribbon.Enabled(L"Plain"));
        EXPECT_EQ(ribbon.Click(L"Plain"), S_OK);
        EXPECT_EQ(addin.clicked, (std::vector<std::wstring>{L"Plain"})) << "onAction gets the control clicked";
        EXPECT_THROW(ribbon.Enabled(L"Nowhere"), std::invalid_argument);
        addin.ribbon.Reset();
    }
    EXPECT_EQ(addin.references, 1u);
    EXPECT_EQ(LiveObjects(), baseline);
}

}  // namespace
}  // namespace host::test
