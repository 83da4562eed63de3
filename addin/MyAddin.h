// The add-in object Excel creates and connects: Excel's connection, its three interfaces, and the rule of
// one command at a time. A tool's run (its working range, settings and status line) is a CCommandRun.
#pragma once

#include <string>

#include "addin/CallbackInterface.h"
#include "addin/commands/CommandHost.h"
#include "addin/legacymenu/ButtonHandlerSet.h"
#include "addin/OfficeInterfaces.h"
#include "framework/CmdTarget.h"
#include "framework/NestedInterface.h"
#include "framework/PropertySheet.h"
#include "sheet/Application.h"
#include "framework/ComPtr.h"
#include "tools/status/StatusBarKeeper.h"
#include "tools/undo/LastRun.h"

class CCommandRun;

class CMyAddin : public framework::CCmdTarget, public CommandHost {
public:
    CMyAddin();
    static HRESULT Create(REFIID iid, void** ppv) noexcept;

    // The numbers the command runner takes: the tools in the table's order.
    enum class Tool : long { RemoveDuplicates = 0, RemoveCharacters = 1, ChangeCase = 2, MergeCellText = 3 };

    // The command runner: runs the tool with that number; any other number does nothing.
    void RunTool(long tool);
    // A tool's wizard runs until it ends with Finish or Cancel; an automation error is shown to the user and
    // goes no further. One command at a time: while one runs, another brings its wizard to the front.
    void RunCommand(const commands::Command& command) override;
    sheet::Application Application() const override { return m_app; }

    // Whether a command's button is enabled: Undo Last Run while the last run has something to put back.
    bool Enabled(const commands::Command& command) const;
    // The ribbon's IRibbonUI, from its onLoad; kept until disconnection.
    void RibbonLoaded(IDispatch* ribbon);

    // The legacy menu and toolbar of Excel 2000 to 2003, built or found again, with the Click handlers
    // connected; a failure ends the build silently. Always S_OK.
    HRESULT BuildCommandBarMenu();

    // What the connection found out.
    const std::wstring& ExcelVersion() const noexcept { return m_strVersion; }
    bool UsesLegacyMenu() const noexcept { return m_bLegacyMenu; }
    bool IsExcel2000() const noexcept { return m_bExcel2000; }
    bool IsMenuBuilt() const noexcept { return m_bMenuBuilt; }
    bool IsConnected() const noexcept { return !m_app.IsEmpty(); }

protected:
    framework::InterfaceMap GetInterfaceMap() const noexcept override;

private:
    ~CMyAddin() override;

    // One command at a time: while one runs, another only brings its wizard to the front. The body runs behind
    // the message barrier with the add-in kept alive; the undo button is refreshed afterwards.
    template <class Body>
    void RunAlone(Body&& body);
    // Shows the tool's wizard, and again after each pick of the range picker.
    void RunWizard(const commands::Command& tool);
    INT_PTR ShowWizard(const commands::Command& tool, CCommandRun& run);
    void BringWizardToFront() const;
    // Asks Excel for a new range, makes it the run's working range and selects it; Cancel leaves the selection
    // as it was.
    void PickRange(CCommandRun& run);
    HWND WizardOwner() const;
    // Puts back what the last run changed; a failure is shown to the user.
    void RunUndo();
    // The undo button shows again whether there is a run to undo: the ribbon asks UndoEnabled again, the
    // legacy menu's entries are enabled or disabled. Excel's refusal changes nothing else.
    void RefreshUndoButton() noexcept;

    HRESULT OnConnection(IDispatch* application, ext_ConnectMode mode, SAFEARRAY** custom);
    HRESULT OnDisconnection(ext_DisconnectMode mode);
    HRESULT OnStartupComplete();
    // Application.Version and what it decides; a version Excel will not tell stays unknown.
    void ReadExcelVersion();

    std::wstring m_strVersion;
    bool m_bVersionKnown = false;
    bool m_bMenuBuilt = false;
    bool m_bLegacyMenu = false;
    bool m_bExcel2000 = false;
    sheet::Application m_app;  // Excel's Application object, from OnConnection to OnDisconnection
    // What the tools' runs show on Excel's status bar, and what the user had there.
    status::StatusBarKeeper m_statusBar{m_app};
    bool m_commandRunning = false;
    // What the last run changed, for Undo Last Run; let go at disconnection.
    undo::LastRun m_lastRun;
    framework::ComPtr<IDispatch> m_ribbonUI;
    CCommandRun* m_run = nullptr;                   // the tool's run, while its wizard is open
    framework::CPropertySheet* m_wizard = nullptr;  // the wizard on screen, while there is one
    // The command-bar buttons' Click handlers, from the menu's build until disconnection.
    CButtonHandlerSet m_buttonHandlers;

    class XExtensibility : public framework::CNestedInterface<IDTExtensibility2, CMyAddin> {
    public:
        using CNestedInterface::CNestedInterface;
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                         UINT*) override {
            return E_FAIL;
        }
        HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode,
                                               IDispatch* AddInInst, SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
        HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;
    };

    // Its QueryInterface hands out the callback interface for IDispatch: that is how Excel's request for
    // IDispatch reaches the ribbon callbacks.
    class XRibbonExtensibility : public framework::CNestedInterface<IRibbonExtensibility, CMyAddin> {
    public:
        using CNestedInterface::CNestedInterface;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_FAIL; }
        HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                         UINT*) override {
            return E_FAIL;
        }
        HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) override;
    };

    class XCallbackInterface : public framework::CNestedInterface<ICellwrightCallbacks, CMyAddin> {
    public:
        using CNestedInterface::CNestedInterface;
        // Asked for IDispatch, it gives itself: it is the dispatch interface Excel calls the ribbon through.
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
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
