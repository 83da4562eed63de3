// The add-in object Excel creates and connects: Excel's connection and its three interfaces. Every command goes
// to the command runner, which stands apart from it.
#pragma once

#include <string>

#include "addin/CallbackInterface.h"
#include "addin/commands/CommandRunner.h"
#include "addin/legacymenu/ButtonHandlerSet.h"
#include "addin/OfficeInterfaces.h"
#include "framework/CmdTarget.h"
#include "framework/NestedInterface.h"
#include "sheet/Application.h"

class CMyAddin : public framework::CCmdTarget {
public:
    CMyAddin();
    static HRESULT Create(REFIID iid, void** ppv) noexcept;

    // The legacy menu and toolbar of Excel 2000 to 2003, built or found again, with the Click handlers
    // connected; a failure ends the build silently. Always S_OK.
    HRESULT BuildCommandBarMenu();

    // What the connection found out.
    const std::wstring& ExcelVersion() const noexcept { return m_version; }
    bool UsesLegacyMenu() const noexcept { return m_legacyMenu; }
    bool IsExcel2000() const noexcept { return m_excel2000; }
    bool IsMenuBuilt() const noexcept { return m_menuBuilt; }
    bool IsConnected() const noexcept { return !m_app.IsEmpty(); }

protected:
    framework::InterfaceMap GetInterfaceMap() const noexcept override;

private:
    ~CMyAddin() override;

    HRESULT OnConnection(IDispatch* application, ext_ConnectMode mode, SAFEARRAY** custom);
    HRESULT OnDisconnection(ext_DisconnectMode mode);
    HRESULT OnStartupComplete();
    // Application.Version and what it decides; a version Excel will not tell stays unknown.
    void ReadExcelVersion();

    std::wstring m_version;
    bool m_versionKnown = false;
    bool m_menuBuilt = false;
    bool m_legacyMenu = false;
    bool m_excel2000 = false;
    sheet::Application m_app;  // Excel's Application object, from OnConnection to OnDisconnection
    CommandRunner m_runner{*this, m_app};
    // The command-bar buttons' Click handlers, from the menu's build until disconnection.
    CButtonHandlerSet m_buttonHandlers;

    class Extensibility : public framework::CNestedDispatch<IDTExtensibility2, CMyAddin> {
    public:
        using CNestedDispatch::CNestedDispatch;
        HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, ext_ConnectMode mode, IDispatch* addInInst,
                                               SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode mode, SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;
    };

    // Its QueryInterface hands out the callback interface for IDispatch: that is how Excel's request for
    // IDispatch reaches the ribbon callbacks.
    class RibbonExtensibility : public framework::CNestedDispatch<IRibbonExtensibility, CMyAddin> {
    public:
        using CNestedDispatch::CNestedDispatch;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
        HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) override;
    };

    class Callbacks : public framework::CNestedDispatch<ICellwrightCallbacks, CMyAddin> {
    public:
        using CNestedDispatch::CNestedDispatch;
        // Asked for IDispatch, it gives itself: it is the dispatch interface Excel calls the ribbon through.
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                                DISPID* ids) override;
        HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                         VARIANT* result, EXCEPINFO* exception, UINT* argError) override;
        HRESULT STDMETHODCALLTYPE LoadImages(BSTR* imageId, VARIANT* result) override;

    private:
        // The answer of a command's getEnabled callback into result.
        HRESULT AnswerEnabled(const commands::Command& command, VARIANT* result);
    };

    Extensibility m_extensibility{*this};
    RibbonExtensibility m_ribbonExtensibility{*this};
    Callbacks m_callbacks{*this};
};
