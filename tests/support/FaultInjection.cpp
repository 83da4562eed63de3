#include "tests/support/FaultInjection.h"

#include <atomic>
#include <new>
#include <utility>

namespace cwtest {

namespace {

std::atomic<long> g_liveProxies{0};

HRESULT STDAPICALLTYPE FillInDescription(EXCEPINFO* info)
{
    if (!info) return E_POINTER;
    info->bstrDescription = ::SysAllocString(FaultPlan::Description());
    info->scode = FaultPlan::kCode;
    return S_OK;
}

HRESULT Fail(FailureStyle style, EXCEPINFO* info)
{
    if (style == FailureStyle::BareCode || !info) return FaultPlan::kCode;
    *info = EXCEPINFO{};
    if (style == FailureStyle::DeferredFillIn) {
        info->pfnDeferredFillIn = &FillInDescription;
    } else {
        info->bstrSource = ::SysAllocString(L"Stand-in");
        info->bstrDescription = ::SysAllocString(FaultPlan::Description());
        info->scode = FaultPlan::kCode;
    }
    return DISP_E_EXCEPTION;
}

class Proxy final : public IDispatch {
public:
    Proxy(framework::ComPtr<IDispatch> inner, std::shared_ptr<FaultPlan> plan)
        : m_inner(std::move(inner)), m_plan(std::move(plan))
    {
        ++g_liveProxies;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        // The stand-in finds its own objects among the arguments (Union, Intersect) by an interface of its own.
        return m_inner->QueryInterface(iid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG remaining = --m_references;
        if (remaining == 0) delete this;
        return remaining;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return m_inner->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override
    {
        return m_inner->GetTypeInfo(index, lcid, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override
    {
        return m_inner->GetIDsOfNames(iid, names, count, lcid, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override
    {
        if (m_plan->CountCall(member, flags)) return Fail(m_plan->Style(), exception);
        const HRESULT hr = m_inner->Invoke(member, iid, lcid, flags, params, result, exception, argError);
        if (SUCCEEDED(hr) && result && result->vt == VT_DISPATCH && result->pdispVal) {
            framework::ComPtr<IDispatch> wrapped =
                WithFaults(framework::ComPtr<IDispatch>::Adopt(result->pdispVal), m_plan);
            result->pdispVal = wrapped.Detach();
        }
        return hr;
    }

private:
    ~Proxy() { --g_liveProxies; }

    std::atomic<ULONG> m_references{1};
    framework::ComPtr<IDispatch> m_inner;
    std::shared_ptr<FaultPlan> m_plan;
};

}  // namespace

const wchar_t* FaultPlan::Description() noexcept { return L"The stand-in refused this call (injected failure)."; }

void FaultPlan::Restart(FailureStyle style) noexcept
{
    m_style = style;
    m_calls = 0;
    m_failures = 0;
    m_failCall = 0;
    m_byMember = false;
    m_memberCalls = 0;
}

void FaultPlan::FailCall(size_t n, FailureStyle style) noexcept
{
    Restart(style);
    m_failCall = n;
}

void FaultPlan::FailMember(DISPID member, WORD kind, size_t fromCall, FailureStyle style) noexcept
{
    Restart(style);
    m_byMember = true;
    m_member = member;
    m_kind = kind;
    m_memberFrom = fromCall;
}

bool FaultPlan::CountCall(DISPID member, WORD kind) noexcept
{
    ++m_calls;
    bool fails = m_calls == m_failCall;
    if (m_byMember && member == m_member && (kind & m_kind)) fails = ++m_memberCalls >= m_memberFrom;
    if (fails) ++m_failures;
    return fails;
}

framework::ComPtr<IDispatch> WithFaults(framework::ComPtr<IDispatch> object, std::shared_ptr<FaultPlan> plan)
{
    if (!object) return object;
    Proxy* proxy = new (std::nothrow) Proxy(std::move(object), std::move(plan));
    if (!proxy) throw std::bad_alloc();
    return framework::ComPtr<IDispatch>::Adopt(proxy);
}

long LiveProxies() noexcept { return g_liveProxies.load(); }

}  // namespace cwtest
