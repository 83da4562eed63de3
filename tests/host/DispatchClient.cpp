#include "tests/host/DispatchClient.h"

#include <gtest/gtest.h>

namespace host::test {

framework::ComPtr<IDispatch> CallResult::Object() const
{
    if (value.Type() != VT_DISPATCH) return {};
    return framework::ComPtr<IDispatch>(value.Get().pdispVal);
}

CallResult Invoke(IDispatch* object, DISPID dispid, WORD flags, std::vector<Variant> args, std::vector<DISPID> namedIds)
{
    // rgvarg holds the named arguments first, then the positional ones last to first.
    std::vector<VARIANT> rgvarg;
    size_t named = namedIds.size();
    for (size_t i = 0; i < named; ++i) rgvarg.push_back(args[i].Get());
    for (size_t i = args.size(); i-- > named;) rgvarg.push_back(args[i].Get());
    DISPPARAMS params{rgvarg.empty() ? nullptr : rgvarg.data(), namedIds.empty() ? nullptr : namedIds.data(),
                      UINT(rgvarg.size()), UINT(named)};
    CallResult result;
    VARIANT out;
    VariantInit(&out);
    EXCEPINFO info{};
    result.hr = object->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &out, &info, &result.argError);
    result.value = Variant::Adopt(out);
    if (info.bstrDescription) result.description.assign(info.bstrDescription, SysStringLen(info.bstrDescription));
    result.scode = info.scode;
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrHelpFile);
    return result;
}

CallResult Get(IDispatch* object, DISPID dispid, std::vector<Variant> args)
{
    return Invoke(object, dispid, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::move(args));
}

CallResult Put(IDispatch* object, DISPID dispid, Variant value, std::vector<Variant> args)
{
    std::vector<Variant> all;
    all.push_back(std::move(value));
    for (auto& a : args) all.push_back(std::move(a));
    return Invoke(object, dispid, DISPATCH_PROPERTYPUT, std::move(all), {DISPID_PROPERTYPUT});
}

CallResult Call(IDispatch* object, DISPID dispid, std::vector<Variant> args)
{
    return Invoke(object, dispid, DISPATCH_METHOD, std::move(args));
}

framework::ComPtr<IDispatch> GetObject(IDispatch* object, DISPID dispid, std::vector<Variant> args)
{
    CallResult result = Get(object, dispid, std::move(args));
    EXPECT_EQ(result.hr, S_OK) << "DISPID " << std::hex << dispid << " failed: "
                               << std::string(result.description.begin(), result.description.end());
    EXPECT_EQ(result.value.Type(), VT_DISPATCH);
    return result.Object();
}

}  // namespace host::test
