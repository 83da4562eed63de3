// The add-in object Excel creates and connects: its three interfaces, the state the commands share,
// the command runner and the engines the tool pages call.
#pragma once

#include <string>
#include <vector>

#include "addin/ButtonHandlerSet.h"
#include "addin/CallbackInterface.h"
#include "addin/OfficeInterfaces.h"
#include "framework/CmdTarget.h"
#include "framework/NestedInterface.h"
#include "sheet/Application.h"
#include "tools/cleanup/CleanupCommands.h"

class CMyAddin : public framework::CCmdTarget, public cleanup::CleanupCommands {
public:
    CMyAddin();
    static HRESULT Create(REFIID iid, void** ppv) noexcept;

    // Tool numbers of the command runner.
    enum Tool { kRemoveDuplicates = 0, kRemoveCharacters = 1, kChangeCase = 2, kMergeCellText = 3 };
    // The end code with which the range picker closes a wizard.
    static constexpr INT_PTR kPickRangeEndCode = 55;

    // The command runner: the start operation of the tool with that number; any other number does nothing.
    void RunTool(int tool);
    // Build and show a tool's wizard; an automation error is shown to the user and goes no further.
    void StartRemoveDuplicates();
    void StartRemoveCharacters();
    void StartChangeCase();
    void StartMergeCellText();
    // Asks Excel for a new range, selects it, and shows the tool's wizard again; returns that wizard's end code.
    INT_PTR PickRangeAndRestart(int tool);
    // The legacy menu and toolbar of Excel 2000 to 2003, built or found again, with the Click handlers
    // connected; a failure ends the build silently. Always S_OK.
    HRESULT BuildCommandBarMenu();

    // The engines the tools' last pages run.
    void RunChangeCase(int mode) override;
    void RunRemoveCharacters(int mode) override;

    std::string m_strVersion;
    BOOL m_bMenuBuilt = FALSE;
    BOOL m_bLegacyMenu = FALSE;
    BOOL m_bExcel2000 = FALSE;
    sheet::Range m_workRange;          // owning
    std::vector<UINT> m_keyColumns;
    sheet::Application m_app;          // not owning: wraps m_pApplication
    IDispatch* m_pApplication = nullptr;
    // The command-bar buttons' Click handlers, from the menu's build until disconnection.
    CButtonHandlerSet m_buttonHandlers;

protected:
    framework::InterfaceMap GetInterfaceMap() const noexcept override;

private:
    ~CMyAddin() override;

    void StartTool(int tool);
    INT_PTR ShowWizard(int tool);
    HWND WizardOwner() const;

    HRESULT OnConnection(IDispatch* application, ext_ConnectMode mode, SAFEARRAY** custom);
    HRESULT OnDisconnection(ext_DisconnectMode mode);
    HRESULT OnStartupComplete();

    class XExtensibility : public framework::CNestedInterface<IDTExtensibility2, CMyAddin> {
    public:
        using CNestedInterface::CNestedInterface;
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
            return E_FAIL;
        }
        HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode,
                                               IDispatch* AddInInst, SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;
    };

    // Every QueryInterface on it hands out the callback interface: that is how Excel's request for
    // IDispatch reaches the ribbon callbacks.
    class XRibbonExtensibility : public framework::CNestedInterface<IRibbonExtensibility, CMyAddin> {
    public:
        using CNestedInterface::CNestedInterface;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
            return E_FAIL;
        }
        HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) override;
    };

    class XCallbackInterface : public framework::CNestedInterface<ICellwrightCallbacks, CMyAddin> {
    public:
        using CNestedInterface::CNestedInterface;
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                                DISPID* rgDispId) override;
        HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                                         DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                         UINT* puArgErr) override;
        HRESULT STDMETHODCALLTYPE RunTool(long tool) override;
        HRESULT STDMETHODCALLTYPE LoadImages(BSTR* imageId, VARIANT* result) override;
    };

    XExtensibility m_xExtensibility{*this};
    XRibbonExtensibility m_xRibbonExtensibility{*this};
    XCallbackInterface m_xCallbackInterface{*this};
};
