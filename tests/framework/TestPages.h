// Pages for the framework's wizard tests: every overridable logs its call and can be given behaviour.
#pragma once

#include "tests/framework/TestResources.h"

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "framework/Exception.h"
#include "framework/ListCtrl.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"

#include <functional>
#include <string>
#include <vector>

namespace cwtest {

using EventLog = std::vector<std::string>;

class LoggingPage : public framework::CPropertyPage {
public:
    LoggingPage(UINT templateId, EventLog& log) : CPropertyPage(templateId), m_log(log) {}

    DWORD wizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
    std::function<LRESULT()> wizardNext;
    std::function<LRESULT()> wizardBack;
    std::function<BOOL()> wizardFinish;
    std::function<BOOL()> queryCancel;
    std::function<void()> setActive;

protected:
    void Log(const std::string& event) { m_log.push_back(event + " " + std::to_string(GetTemplateId())); }

    BOOL OnInitDialog() override
    {
        Log("init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override
    {
        Log("active");
        SetWizardButtons(wizardButtons);
        if (setActive) setActive();
        return CPropertyPage::OnSetActive();
    }
    LRESULT OnWizardNext() override
    {
        Log("next");
        return wizardNext ? wizardNext() : CPropertyPage::OnWizardNext();
    }
    LRESULT OnWizardBack() override
    {
        Log("back");
        return wizardBack ? wizardBack() : CPropertyPage::OnWizardBack();
    }
    BOOL OnWizardFinish() override
    {
        Log("finish");
        return wizardFinish ? wizardFinish() : CPropertyPage::OnWizardFinish();
    }
    BOOL OnQueryCancel() override
    {
        Log("query cancel");
        return queryCancel ? queryCancel() : CPropertyPage::OnQueryCancel();
    }
    void OnCancel() override { Log("cancel"); }

    EventLog& m_log;
};

// Page 101: an edit, a check box, two radio buttons and buttons whose handlers end the wizard, throw or
// show a message.
class FirstPage : public LoggingPage {
public:
    explicit FirstPage(EventLog& log) : LoggingPage(IDD_TEST_FIRST, log)
    {
        wizardButtons = PSWIZB_NEXT;
        MapClick(IDC_FIRST_END55, &FirstPage::OnEnd55);
        MapClick(IDC_FIRST_THROW, &FirstPage::OnThrow);
        MapClick(IDC_FIRST_MESSAGE, &FirstPage::OnMessageButton);
        MapClick(IDC_FIRST_BETA, &FirstPage::OnBeta);
    }

    framework::CEdit m_edit;
    framework::CButton m_option;
    std::function<void()> messageButton;

protected:
    void DoDataExchange(framework::CDataExchange* pDX) override
    {
        framework::DDX_Control(pDX, IDC_FIRST_EDIT, m_edit);
        framework::DDX_Control(pDX, IDC_FIRST_OPTION, m_option);
    }
    BOOL OnInitDialog() override
    {
        LoggingPage::OnInitDialog();
        m_edit.SetText(L"initial");
        CheckRadioButton(IDC_FIRST_ALPHA, IDC_FIRST_BETA, IDC_FIRST_ALPHA);
        return TRUE;
    }

private:
    void OnEnd55()
    {
        Log("end55");
        GetParentSheet()->EndDialog(55);
    }
    void OnThrow() { throw framework::CException(L"The handler could not finish."); }
    void OnMessageButton()
    {
        if (messageButton) messageButton();
    }
    void OnBeta() { Log("beta"); }
};

// An owner-drawn combo box that counts what it is asked to draw.
class CountingCombo : public framework::CComboBox {
public:
    int drawn = 0;
    int lastItem = -2;

protected:
    void DrawItem(const DRAWITEMSTRUCT& item) override
    {
        ++drawn;
        lastItem = static_cast<int>(item.itemID);
    }
};

// An edit that keeps its text as of the last change notification reflected to it.
class TrackingEdit : public framework::CEdit {
public:
    std::wstring lastText;
    int keyDowns = 0;
    bool swallowDelete = false;

    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) lastText = GetText();
        return CEdit::OnChildNotify(message, wParam, lParam, result);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN) {
            ++keyDowns;
            if (wParam == VK_DELETE && swallowDelete) return 0;
        }
        return CEdit::WindowProc(message, wParam, lParam);
    }
};

// Page 102: a list view with check boxes, an owner-drawn combo box and an edit.
class SecondPage : public LoggingPage {
public:
    explicit SecondPage(EventLog& log) : LoggingPage(IDD_TEST_SECOND, log) {}

    framework::CListCtrl m_list;
    CountingCombo m_combo;
    TrackingEdit m_edit;
    int itemChanges = 0;

protected:
    void DoDataExchange(framework::CDataExchange* pDX) override
    {
        framework::DDX_Control(pDX, IDC_SECOND_LIST, m_list);
        framework::DDX_Control(pDX, IDC_SECOND_COMBO, m_combo);
        framework::DDX_Control(pDX, IDC_SECOND_EDIT, m_edit);
    }
    BOOL OnInitDialog() override
    {
        LoggingPage::OnInitDialog();
        m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
        m_list.InsertColumn(0, L"Columns", LVCFMT_LEFT, 80);
        m_list.InsertColumn(1, L"First Row's Text", LVCFMT_LEFT, 120);
        const wchar_t* letters[] = {L"C", L"D", L"E"};
        for (int i = 0; i < 3; ++i) {
            m_list.InsertItem(i, letters[i]);
            m_list.SetItemText(i, 1, std::wstring(L"text ") + letters[i]);
            m_list.SetCheck(i, true);
        }
        const std::pair<const wchar_t*, DWORD_PTR> colours[] = {
            {L"Red", 0x0000FF}, {L"Aqua", 0xFFFF00}, {L"Blue", 0xFF0000}};
        for (const auto& [name, value] : colours) m_combo.SetItemData(m_combo.AddString(name), value);
        m_combo.SetCurSel(0);
        return TRUE;
    }
    bool OnNotify(NMHDR& header, LRESULT& result) override
    {
        if (header.idFrom == IDC_SECOND_LIST && header.code == LVN_ITEMCHANGED) {
            ++itemChanges;
            result = 0;
            return true;
        }
        return false;
    }
};

// Page 103: Finish is accepted only while "Allow Finish" is ticked.
class ThirdPage : public LoggingPage {
public:
    explicit ThirdPage(EventLog& log) : LoggingPage(IDD_TEST_THIRD, log)
    {
        wizardButtons = PSWIZB_BACK | PSWIZB_FINISH;
        wizardFinish = [this] { return IsDlgButtonChecked(IDC_THIRD_ALLOW) == BST_CHECKED ? TRUE : FALSE; };
    }
};

}  // namespace cwtest
