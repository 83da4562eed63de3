// The module object, the module state guard, the exception barriers and the message box route.
#include "tests/support/MessageBoxRecorder.h"
#include "host/driver/WizardDriver.h"

#include "framework/Barrier.h"
#include "framework/Exception.h"
#include "framework/Module.h"
#include "framework/ModuleState.h"
#include "framework/ModuleStateGuard.h"
#include "framework/ShowMessage.h"
#include "framework/WinApp.h"

#include <oleauto.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace cwtest {

using host::WizardDriver;

namespace {

class CTestApp : public framework::CWinApp {
public:
    CTestApp() : CWinApp(L"Cellwright Tests") {}
    int initCount = 0;
    int exitCount = 0;
    HINSTANCE resourcesDuringInit = nullptr;
    bool initResult = true;

    BOOL InitInstance() override
    {
        ++initCount;
        resourcesDuringInit = framework::CurrentResourceHandle();
        return initResult ? TRUE : FALSE;
    }
    int ExitInstance() override
    {
        ++exitCount;
        return 0;
    }
};

CTestApp theApp;

TEST(ModuleTest, InitInstanceRunsOnceHoweverOftenTheModuleIsAttached)
{
    const HINSTANCE self = ::GetModuleHandleW(nullptr);
    const int initsBefore = theApp.initCount;
    const int exitsBefore = theApp.exitCount;
    EXPECT_EQ(&theApp, framework::GetApp());
    EXPECT_TRUE(framework::ProcessAttach(self));
    EXPECT_TRUE(framework::ProcessAttach(self));
    EXPECT_EQ(initsBefore + 1, theApp.initCount);
    EXPECT_EQ(self, theApp.resourcesDuringInit);
    EXPECT_EQ(self, framework::ModuleInstance());
    framework::ProcessDetach();
    framework::ProcessDetach();
    EXPECT_EQ(exitsBefore + 1, theApp.exitCount);
}

TEST(ModuleTest, AFailingInitInstanceFailsTheLoad)
{
    theApp.initResult = false;
    EXPECT_FALSE(framework::ProcessAttach(::GetModuleHandleW(nullptr)));
    theApp.initResult = true;
    framework::ProcessDetach();
}

TEST(ModuleTest, TheModuleFolderIsTheModulePathUpToAndIncludingItsLastBackslash)
{
    wchar_t path[1024] = {};
    ::GetModuleFileNameW(nullptr, path, 1024);
    std::wstring expected(path);
    expected.erase(expected.find_last_of(L'\\') + 1);
    const std::wstring& folder = framework::ModuleFolder();
    EXPECT_EQ(expected, folder);
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(L'\\', folder.back());
    EXPECT_EQ(&folder, &framework::ModuleFolder()) << "computed once";
    EXPECT_EQ(std::wstring(path), framework::ModulePath());
}

TEST(ModuleTest, TheApplicationNameIsTheCaptionOfTheModulesMessageBoxes)
{
    MessageBoxRecorder messages;
    framework::ShowMessage(nullptr, L"Select at least one column !", MB_OK);
    ASSERT_EQ(1u, messages.Count());
    EXPECT_EQ(L"Cellwright Tests", messages.Messages()[0].caption);
    EXPECT_EQ(L"Cellwright Tests", framework::AppName());
}

TEST(ModuleStateTest, AGuardMakesItsStateCurrentAndRestoresTheCallersStateNested)
{
    const HINSTANCE own = framework::CurrentResourceHandle();
    EXPECT_EQ(::GetModuleHandleW(nullptr), own);
    framework::ModuleState caller{::GetModuleHandleW(L"user32.dll"), ::GetModuleHandleW(L"user32.dll")};
    {
        framework::ModuleStateGuard callerState(caller);
        EXPECT_EQ(::GetModuleHandleW(L"user32.dll"), framework::CurrentResourceHandle());
        {
            framework::ModuleStateGuard entryPoint;
            EXPECT_EQ(own, framework::CurrentResourceHandle());
            {
                framework::ModuleStateGuard nested;
                EXPECT_EQ(own, framework::CurrentResourceHandle());
            }
            EXPECT_EQ(own, framework::CurrentResourceHandle());
        }
        EXPECT_EQ(::GetModuleHandleW(L"user32.dll"), framework::CurrentResourceHandle());
        EXPECT_EQ(&caller, framework::ActiveModuleState());
    }
    EXPECT_EQ(nullptr, framework::ActiveModuleState());
    EXPECT_EQ(own, framework::CurrentResourceHandle());
}

TEST(ModuleStateTest, SettingTheResourceHandleChangesOnlyTheCurrentState)
{
    framework::ModuleState other{::GetModuleHandleW(nullptr), nullptr};
    {
        framework::ModuleStateGuard guard(other);
        EXPECT_EQ(::GetModuleHandleW(nullptr), framework::CurrentResourceHandle()) << "falls back to the instance";
        framework::SetResourceHandle(::GetModuleHandleW(L"kernel32.dll"));
        EXPECT_EQ(::GetModuleHandleW(L"kernel32.dll"), framework::CurrentResourceHandle());
    }
    EXPECT_EQ(::GetModuleHandleW(L"kernel32.dll"), other.resourceHandle);
    EXPECT_EQ(::GetModuleHandleW(nullptr), framework::CurrentResourceHandle());
}

// The description the barrier left for the caller in the thread's error information, or "<none>".
std::wstring ErrorDescription()
{
    IErrorInfo* info = nullptr;
    if (::GetErrorInfo(0, &info) != S_OK || !info) return L"<none>";
    BSTR description = nullptr;
    info->GetDescription(&description);
    std::wstring text = description ? description : L"";
    ::SysFreeString(description);
    info->Release();
    return text;
}

TEST(BarrierTest, AnHResultBarrierReturnsEachExceptionsOwnCodeAndHandsItsDescriptionToTheCaller)
{
    EXPECT_EQ(S_OK, framework::HResultBarrier([] {}));
    EXPECT_EQ(S_FALSE, framework::HResultBarrier([] { return S_FALSE; }));
    struct Case {
        std::function<void()> raise;
        HRESULT code;
        std::wstring description;
    };
    const Case cases[] = {
        {[] { throw framework::CException(L"The cell is protected.", 0x800A03EC); }, static_cast<HRESULT>(0x800A03EC),
         L"The cell is protected."},
        {[] { throw framework::CException(L"failed"); }, E_FAIL, L"failed"},
        {[] { throw framework::CException(L"no failure code", S_FALSE); }, E_FAIL, L"no failure code"},
        {[] { throw std::runtime_error("broken"); }, E_FAIL, L"broken"},
        {[] { throw std::bad_alloc(); }, E_OUTOFMEMORY, L"There is not enough memory to complete the operation."},
        {[] { throw 7; }, E_FAIL, L"An unexpected error occurred. The operation was not completed."},
    };
    for (const Case& c : cases) {
        ::SetErrorInfo(0, nullptr);
        EXPECT_EQ(c.code, framework::HResultBarrier(c.raise)) << testing::PrintToString(c.description);
        EXPECT_EQ(c.description, ErrorDescription());
    }
}

TEST(BarrierTest, AMessageBarrierShowsEachKindOfExceptionWithTheStopIcon)
{
    MessageBoxRecorder messages;
    const HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr,
                                         nullptr, nullptr);
    const HWND child = ::CreateWindowExW(0, L"STATIC", L"child", WS_CHILD, 0, 0, 5, 5, owner, nullptr, nullptr, nullptr);
    EXPECT_TRUE(framework::MessageBarrier(child, [] {}));
    EXPECT_FALSE(framework::MessageBarrier(child, [] { throw framework::CException(L"Excel said no."); }));
    EXPECT_FALSE(framework::MessageBarrier(child, [] { throw std::runtime_error("standard failure"); }));
    EXPECT_FALSE(framework::MessageBarrier(child, [] { throw 3.5; }));
    ASSERT_EQ(3u, messages.Count());
    EXPECT_EQ(L"Excel said no.", messages.Messages()[0].text);
    EXPECT_EQ(L"standard failure", messages.Messages()[1].text);
    EXPECT_FALSE(messages.Messages()[2].text.empty());
    for (const auto& message : messages.Messages()) {
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP | MB_OK), message.flags);
        EXPECT_EQ(owner, message.owner) << "owned by the top-level window";
    }
    ::DestroyWindow(owner);
}

TEST(BarrierTest, AFailingMessageHandlerDoesNotEscapeTheBarrierAndThePlainBoxStillTellsTheUser)
{
    framework::ScopedMessageHandler failing([](const framework::MessageRequest&) -> int {
        throw std::runtime_error("the recorder broke");
    });
    bool contained = true;
    WizardDriver driver;  // no steps: it only answers the real message box
    EXPECT_TRUE(driver.Run([&] {
        contained = framework::MessageBarrier(nullptr, [] { throw framework::CException(L"x"); });
    })) << driver.Report();
    EXPECT_FALSE(contained);
    EXPECT_EQ(1u, driver.ClosedMessageBoxes().size());
}

TEST(ShowMessageTest, ARecorderAnswersInsteadOfTheUserAndTheOuterRouteComesBack)
{
    MessageBoxRecorder outer(IDYES);
    {
        MessageBoxRecorder inner(IDNO);
        EXPECT_EQ(IDNO, framework::ShowMessage(nullptr, L"inner", L"Caption", MB_YESNO));
    }
    EXPECT_EQ(IDYES, framework::ShowMessage(nullptr, L"outer", L"Caption", MB_YESNO | MB_ICONQUESTION));
    ASSERT_EQ(1u, outer.Count());
    EXPECT_EQ(L"outer", outer.Messages()[0].text);
    EXPECT_EQ(L"Caption", outer.Messages()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), outer.Messages()[0].flags);
}

}  // namespace
}  // namespace cwtest
