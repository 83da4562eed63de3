// A proxy between the add-in and the stand-in that fails chosen calls the way Excel fails them. Wrap the
// Application object handed to OnConnection; every object a call returns comes back wrapped by the same
// plan, so the plan sees, counts and can fail every call the add-in makes.
//
//   auto plan = std::make_shared<cwtest::FaultPlan>();
//   framework::ComPtr<IDispatch> app = cwtest::WithFaults(excel->Application(), plan);
//   plan->FailCall(7, cwtest::FailureStyle::Exception);   // the 7th call from now fails
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <cstddef>
#include <memory>
#include <string>

#include "framework/ComPtr.h"

namespace cwtest {

// The ways Excel reports a failed call.
enum class FailureStyle {
    Exception,       // DISP_E_EXCEPTION, the description and SCODE in the exception info
    DeferredFillIn,  // DISP_E_EXCEPTION, the description filled in only through pfnDeferredFillIn
    BareCode,        // the SCODE alone as the result, no exception info
};

class FaultPlan {
public:
    // What every injected failure carries.
    static constexpr HRESULT kCode = static_cast<HRESULT>(0x800A03EC);
    static const wchar_t* Description() noexcept;

    // Fails the n-th call from now (1: the next one) and no other; 0 fails none. Counting starts again.
    void FailCall(size_t n, FailureStyle style) noexcept;
    // Fails every call of one member of this kind (DISPATCH_PROPERTYPUT, ...) from its n-th call from now on.
    void FailMember(DISPID member, WORD kind, size_t fromCall, FailureStyle style) noexcept;

    // Calls since the last FailCall or FailMember, and how many of them failed.
    size_t Calls() const noexcept { return m_calls; }
    size_t Failures() const noexcept { return m_failures; }

    // For the proxies: counts one call and tells whether it fails.
    bool CountCall(DISPID member, WORD kind) noexcept;
    FailureStyle Style() const noexcept { return m_style; }

private:
    void Restart(FailureStyle style) noexcept;

    FailureStyle m_style = FailureStyle::Exception;
    size_t m_calls = 0;
    size_t m_failures = 0;
    size_t m_failCall = 0;
    bool m_byMember = false;
    DISPID m_member = 0;
    WORD m_kind = 0;
    size_t m_memberCalls = 0;
    size_t m_memberFrom = 0;
};

// The object behind a proxy of the plan; a null object stays null.
framework::ComPtr<IDispatch> WithFaults(framework::ComPtr<IDispatch> object, std::shared_ptr<FaultPlan> plan);

// Proxies alive in the process: a run that ends with the count it started with has leaked none.
long LiveProxies() noexcept;

}  // namespace cwtest
