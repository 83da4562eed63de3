// Excel's calling conventions as a client meets them through IDispatch.
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "tests/host/DispatchClient.h"

#include <gtest/gtest.h>

namespace host::test {
namespace {

class InvokeConventionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        baseline = LiveObjects();
        app = excel->Application();
        sheet = GetObject(app.Get(), id::ActiveSheet);
        cells = GetObject(sheet.Get(), id::Cells);
    }
    void TearDown() override
    {
        cells.Reset();
        sheet.Reset();
        app.Reset();
        EXPECT_EQ(LiveObjects(), baseline) << "an object the stand-in handed out was not released";
    }

    framework::ComPtr<IDispatch> RangeAt(const wchar_t* address) { return GetObject(sheet.Get(), id::Range, {Str(address)}); }

    std::wstring AddressOf(IDispatch* range) { return Get(range, id::Address).value.AsString(); }

    long baseline = 0;
    std::shared_ptr<Excel> excel = Excel::Create();
    framework::ComPtr<IDispatch> app;
    framework::ComPtr<IDispatch> sheet;
    framework::ComPtr<IDispatch> cells;
};

TEST_F(InvokeConventionTest, ArgumentsArriveReversedInRgvarg)
{
    // Cells.Item(2, 3): the row is the last rgvarg entry, the column the first.
    framework::ComPtr<IDispatch> cell = GetObject(cells.Get(), id::Item, {Int(2), Int(3)});
    EXPECT_EQ(AddressOf(cell.Get()), L"$C$2");
}

TEST_F(InvokeConventionTest, OptionalArgumentsMayBeMissingOrLeftOut)
{
    framework::ComPtr<IDispatch> range = RangeAt(L"B2:C3");
    EXPECT_EQ(Get(range.Get(), id::Address, {Missing(), Missing(), Int(-4150), Missing(), Missing()}).value.AsString(),
              L"R2C2:R3C3");
    EXPECT_EQ(Get(range.Get(), id::Address, {Variant::Bool(false), Variant::Bool(false)}).value.AsString(), L"B2:C3");
    EXPECT_EQ(Get(range.Get(), id::Address, {Missing(), Missing(), Int(1)}).value.AsString(), L"$B$2:$C$3");
    framework::ComPtr<IDispatch> origin = RangeAt(L"A1");
    CallResult relative = Get(range.Get(), id::Address,
                              {Variant::Bool(false), Variant::Bool(false), Int(-4150), Missing(),
                               Variant::AdoptDispatch(framework::ComPtr<IDispatch>(origin.Get()).Detach())});
    EXPECT_EQ(relative.value.AsString(), L"R[1]C[1]:R[2]C[2]");
}

TEST_F(InvokeConventionTest, NamedArgumentsAreFoundByTheirDispids)
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"address"), const_cast<LPOLESTR>(L"REFERENCESTYLE"),
                        const_cast<LPOLESTR>(L"RelativeTo")};
    DISPID ids[3] = {};
    ASSERT_EQ(cells->GetIDsOfNames(IID_NULL, names, 3, 0, ids), S_OK);
    EXPECT_EQ(ids[0], id::Address);
    EXPECT_EQ(ids[1], 2);
    EXPECT_EQ(ids[2], 4);
    framework::ComPtr<IDispatch> range = RangeAt(L"B2");
    CallResult named = Invoke(range.Get(), id::Address, DISPATCH_PROPERTYGET, {Int(-4150)}, {2});
    EXPECT_EQ(named.hr, S_OK);
    EXPECT_EQ(named.value.AsString(), L"R2C2");
    CallResult unknown = Invoke(range.Get(), id::Address, DISPATCH_PROPERTYGET, {Int(1)}, {9});
    EXPECT_EQ(unknown.hr, DISP_E_PARAMNOTFOUND);
}

TEST_F(InvokeConventionTest, NamesAreMatchedWithoutRegardToCase)
{
    LPOLESTR value = const_cast<LPOLESTR>(L"vAlUe");
    DISPID dispid = 0;
    EXPECT_EQ(cells->GetIDsOfNames(IID_NULL, &value, 1, 0, &dispid), S_OK);
    EXPECT_EQ(dispid, id::Value);
    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"NoSuchMember"), const_cast<LPOLESTR>(L"x")};
    DISPID ids[2] = {123, 456};
    EXPECT_EQ(cells->GetIDsOfNames(IID_NULL, unknown, 2, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], DISPID_UNKNOWN);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
    LPOLESTR badParam[] = {const_cast<LPOLESTR>(L"Address"), const_cast<LPOLESTR>(L"Nonsense")};
    EXPECT_EQ(cells->GetIDsOfNames(IID_NULL, badParam, 2, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], id::Address);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
    IID other = IID_IDispatch;
    EXPECT_EQ(cells->GetIDsOfNames(other, &value, 1, 0, &dispid), DISP_E_UNKNOWNINTERFACE);
}

TEST_F(InvokeConventionTest, APutNeedsTheNamedPropertyPutArgument)
{
    framework::ComPtr<IDispatch> a1 = RangeAt(L"A1");
    CallResult unnamed = Invoke(a1.Get(), id::Value, DISPATCH_PROPERTYPUT, {Str(L"x")});
    EXPECT_EQ(unnamed.hr, DISP_E_PARAMNOTFOUND);
    EXPECT_TRUE(excel->ActiveSheet().At(L"A1").IsEmpty());
    EXPECT_EQ(Put(a1.Get(), id::Value, Str(L"x")).hr, S_OK);
    EXPECT_EQ(excel->ActiveSheet().At(L"A1").value, CellValue::Text(L"x"));
}

TEST_F(InvokeConventionTest, ByrefArgumentsAreFollowed)
{
    LONG row = 3;
    VARIANT rowRef;
    rowRef.vt = VT_BYREF | VT_I4;
    rowRef.plVal = &row;
    Variant text = Str(L"by reference");
    VARIANT valueRef;
    valueRef.vt = VT_BYREF | VT_VARIANT;
    valueRef.pvarVal = &text.Get();
    framework::ComPtr<IDispatch> cell = GetObject(cells.Get(), id::Item, {Variant::CopyOf(rowRef), Int(1)});
    EXPECT_EQ(AddressOf(cell.Get()), L"$A$3");
    // The value is passed as a reference the callee must not copy by pointer.
    std::vector<VARIANT> rgvarg{valueRef};
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{rgvarg.data(), &put, 1, 1};
    EXPECT_EQ(cell->Invoke(id::Value, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(excel->ActiveSheet().At(L"A3").value, CellValue::Text(L"by reference"));
}

TEST_F(InvokeConventionTest, WrongArgumentsGiveTheCodesOfAutomation)
{
    CallResult mismatch = Get(cells.Get(), id::Item, {Str(L"abc")});
    EXPECT_EQ(mismatch.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(mismatch.argError, 0u);
    CallResult tooMany = Get(cells.Get(), id::Item, {Int(1), Int(1), Int(1)});
    EXPECT_EQ(tooMany.hr, DISP_E_BADPARAMCOUNT);
    CallResult required = Get(cells.Get(), id::Item, {Missing()});
    EXPECT_EQ(required.hr, DISP_E_PARAMNOTOPTIONAL);
    EXPECT_EQ(mismatch.value.Type(), VT_EMPTY);
}

TEST_F(InvokeConventionTest, MembersAnswerOnlyTheirOwnKindOfCall)
{
    framework::ComPtr<IDispatch> range = RangeAt(L"A1:B2");
    EXPECT_EQ(Invoke(range.Get(), id::Count, DISPATCH_METHOD, {}).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Invoke(range.Get(), id::Count, DISPATCH_PROPERTYGET, {}).value.AsLong(), 4);
    EXPECT_EQ(Invoke(range.Get(), id::Select, DISPATCH_PROPERTYGET, {}).hr, DISP_E_MEMBERNOTFOUND);
    CallResult overflow = Get(cells.Get(), id::Count);
    EXPECT_EQ(overflow.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(overflow.description, L"Overflow");
    EXPECT_EQ(Put(cells.Get(), id::Text, Str(L"x")).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Get(cells.Get(), 0x7777).hr, DISP_E_MEMBERNOTFOUND);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(cells->Invoke(id::Count, IID_IDispatch, 0, DISPATCH_PROPERTYGET, &none, nullptr, nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(cells->Invoke(id::Count, IID_NULL, 0, DISPATCH_PROPERTYGET, nullptr, nullptr, nullptr, nullptr),
              E_INVALIDARG);
}

TEST_F(InvokeConventionTest, FailuresComeAsExceptionsWithExcelsDescription)
{
    excel->SetProtected(true);
    framework::ComPtr<IDispatch> a1 = RangeAt(L"A1");
    CallResult failed = Put(a1.Get(), id::Value, Str(L"x"));
    EXPECT_EQ(failed.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(failed.description, L"The cell or chart that you are trying to change is protected and therefore read-only.");
    EXPECT_EQ(failed.scode, HRESULT(0x800A03EC));
    // No EXCEPINFO to fill: still the same failure.
    Variant value = Str(L"x");
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value.Get(), &put, 1, 1};
    EXPECT_EQ(a1->Invoke(id::Value, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr),
              DISP_E_EXCEPTION);
}

TEST_F(InvokeConventionTest, EveryObjectHandedOutIsCountedUntilItsLastRelease)
{
    long before = LiveObjects();
    framework::ComPtr<IDispatch> range = RangeAt(L"A1:B2");
    EXPECT_EQ(LiveObjects(), before + 1);
    framework::ComPtr<IDispatch> interior = GetObject(range.Get(), id::Interior);
    framework::ComPtr<IDispatch> areas = GetObject(range.Get(), id::Areas);
    EXPECT_EQ(LiveObjects(), before + 3);
    range->AddRef();
    range->Release();
    range.Reset();
    interior.Reset();
    areas.Reset();
    EXPECT_EQ(LiveObjects(), before);
    // A result nobody asked for is released at once.
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(sheet->Invoke(id::UsedRange, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(LiveObjects(), before);
}

TEST_F(InvokeConventionTest, ObjectsOfferIUnknownAndIDispatchOnly)
{
    void* out = reinterpret_cast<void*>(0xDEADBEEF);
    EXPECT_EQ(cells->QueryInterface(IID_IClassFactory, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(cells->QueryInterface(IID_IDispatch, nullptr), E_POINTER);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(cells->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    unknown->Release();
    UINT count = 99;
    EXPECT_EQ(cells->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
}

TEST_F(InvokeConventionTest, TheLogRecordsEveryCallInOrderWithItsKind)
{
    excel->ClearLog();
    framework::ComPtr<IDispatch> a1 = RangeAt(L"A1");
    Put(a1.Get(), id::Value, Int(1));
    Get(a1.Get(), id::Value);
    Call(a1.Get(), id::Select);
    Get(a1.Get(), 0x7777);
    const CallLog& log = excel->Log();
    EXPECT_EQ(log.Sequence(), (std::vector<std::wstring>{L"Worksheet.Range get", L"Range.Value put", L"Range.Value get",
                                                         L"Range.Select call", L"Range.#0x7777 get"}));
    EXPECT_EQ(log.Count(L"Range.Value", Kind::Put), 1u);
    EXPECT_EQ(log.Count(L"Range.Value"), 2u);
    EXPECT_EQ(log.Total(), 5u);
    EXPECT_EQ(log.Calls().back().result, DISP_E_MEMBERNOTFOUND);
}

TEST_F(InvokeConventionTest, ALogThatOnlyCountsKeepsTotalsAndCountsButNoRecords)
{
    excel->ClearLog();
    excel->Log().SetCountingOnly(true);
    framework::ComPtr<IDispatch> a1 = RangeAt(L"A1");
    Put(a1.Get(), id::Value, Int(1));
    Get(a1.Get(), id::Value);
    Get(a1.Get(), 0x7777);
    CallLog& log = excel->Log();
    EXPECT_EQ(log.Total(), 4u);
    EXPECT_EQ(log.Count(L"Range.Value", Kind::Put), 1u);
    EXPECT_EQ(log.Count(L"Range.#0x7777", Kind::Get), 1u);
    EXPECT_TRUE(log.Calls().empty());
    EXPECT_TRUE(log.Sequence().empty());
    log.Clear();
    EXPECT_EQ(log.Total(), 0u);
    EXPECT_EQ(log.Count(L"Range.Value"), 0u);
    log.SetCountingOnly(false);
    Get(a1.Get(), id::Value);
    EXPECT_EQ(log.Sequence(), std::vector<std::wstring>{L"Range.Value get"});
}

}  // namespace
}  // namespace host::test
