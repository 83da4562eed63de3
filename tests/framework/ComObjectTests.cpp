// The COM object base, the class factory table and the module's unload rule, called as COM clients do.
#include "framework/Bstr.h"
#include "framework/ClassRegistry.h"
#include "framework/CmdTarget.h"
#include "framework/ComPtr.h"
#include "framework/ModuleLock.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace cwtest {
namespace {

struct ITestFirst : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE First(int* value) = 0;
};
struct ITestSecond : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Second(int* value) = 0;
};

const IID IID_ITestFirst = {0x6c1f2a10, 0x1b2c, 0x4d3e, {0x9f, 0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x01}};
const IID IID_ITestSecond = {0x6c1f2a10, 0x1b2c, 0x4d3e, {0x9f, 0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x02}};
const IID IID_ITestDispatch = {0x6c1f2a10, 0x1b2c, 0x4d3e, {0x9f, 0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x03}};
const IID IID_ITestUnknown = {0x6c1f2a10, 0x1b2c, 0x4d3e, {0x9f, 0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x04}};
const CLSID CLSID_TestObject = {0x6c1f2a10, 0x1b2c, 0x4d3e, {0x9f, 0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x10}};
const CLSID CLSID_Throwing = {0x6c1f2a10, 0x1b2c, 0x4d3e, {0x9f, 0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x11}};
const CLSID CLSID_Unknown = {0x6c1f2a10, 0x1b2c, 0x4d3e, {0x9f, 0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x12}};

int g_liveTestObjects = 0;

// An object with two nested interfaces and the automation IDispatch as its identity.
class CTestObject : public framework::CCmdTarget {
public:
    CTestObject()
    {
        EnableAutomation();
        ++g_liveTestObjects;
    }

    class XFirst : public framework::CNestedInterface<ITestFirst, CTestObject> {
    public:
        using CNestedInterface::CNestedInterface;
        HRESULT STDMETHODCALLTYPE First(int* value) override
        {
            *value = m_outer.m_value;
            return S_OK;
        }
    };
    class XSecond : public framework::CNestedInterface<ITestSecond, CTestObject> {
    public:
        using CNestedInterface::CNestedInterface;
        HRESULT STDMETHODCALLTYPE Second(int* value) override
        {
            *value = m_outer.m_value * 2;
            return S_OK;
        }
    };

    XFirst m_xFirst{*this};
    XSecond m_xSecond{*this};
    int m_value = 21;

private:
    ~CTestObject() override { --g_liveTestObjects; }

    framework::InterfaceMap GetInterfaceMap() const noexcept override
    {
        static const framework::InterfaceEntry entries[] = {
            AutomationEntry(IID_ITestDispatch),
            framework::InterfaceEntryFor<&CTestObject::m_xFirst>(IID_ITestFirst),
            framework::InterfaceEntryFor<&CTestObject::m_xSecond>(IID_ITestSecond),
        };
        return framework::MakeInterfaceMap(entries);
    }
};

// Without automation: its identity is its first nested interface, and it has no IDispatch.
class CPlainObject : public framework::CCmdTarget {
public:
    class XFirst : public framework::CNestedInterface<ITestFirst, CPlainObject> {
    public:
        using CNestedInterface::CNestedInterface;
        HRESULT STDMETHODCALLTYPE First(int* value) override
        {
            *value = 1;
            return S_OK;
        }
    };
    XFirst m_xFirst{*this};

private:
    ~CPlainObject() override = default;
    framework::InterfaceMap GetInterfaceMap() const noexcept override
    {
        static const framework::InterfaceEntry entries[] = {
            framework::InterfaceEntryFor<&CPlainObject::m_xFirst>(IID_ITestFirst)};
        return framework::MakeInterfaceMap(entries);
    }
};

HRESULT CreateThrowing(REFIID, void**) { throw std::runtime_error("constructor failed"); }

const framework::ClassEntry kClasses[] = {
    {&CLSID_TestObject, L"Cellwright.TestObject", L"Test Object", &framework::CreateComObject<CTestObject>},
    {&CLSID_Throwing, L"Cellwright.Throwing", L"Throwing Object", &CreateThrowing},
};

void* const kMarker = reinterpret_cast<void*>(0xdeadbeef);

class ComObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        framework::RegisterClasses(kClasses);
        ASSERT_EQ(0, g_liveTestObjects);
        ASSERT_EQ(0, framework::ModuleLockCount()) << "an earlier test left an object or lock alive";
    }
    void TearDown() override
    {
        EXPECT_EQ(0, g_liveTestObjects) << "every reference taken is released";
        EXPECT_EQ(S_OK, framework::CanUnloadNow());
    }

    static ITestFirst* NewFirst()
    {
        void* out = kMarker;
        EXPECT_EQ(S_OK, framework::CreateComObject<CTestObject>(IID_ITestFirst, &out));
        return static_cast<ITestFirst*>(out);
    }
};

TEST_F(ComObjectTest, NestedInterfacesShareOneReferenceCountAndReleaseReturnsTheDecrementedValue)
{
    ITestFirst* first = NewFirst();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(1, g_liveTestObjects);
    void* out = nullptr;
    ASSERT_EQ(S_OK, first->QueryInterface(IID_ITestSecond, &out));
    auto* second = static_cast<ITestSecond*>(out);
    EXPECT_NE(static_cast<void*>(first), static_cast<void*>(second)) << "each nested interface has its own vtable";
    EXPECT_EQ(3u, second->AddRef());
    EXPECT_EQ(2u, first->Release());
    EXPECT_EQ(1u, second->Release());
    int value = 0;
    EXPECT_EQ(S_OK, second->Second(&value));
    EXPECT_EQ(42, value);
    EXPECT_EQ(1, g_liveTestObjects);
    EXPECT_EQ(0u, second->Release());
    EXPECT_EQ(0, g_liveTestObjects);
}

TEST_F(ComObjectTest, QueryInterfaceRefusesANullOutPointerAndClearsItOnAMiss)
{
    ITestFirst* first = NewFirst();
    EXPECT_EQ(E_POINTER, first->QueryInterface(IID_ITestSecond, nullptr));
    void* out = kMarker;
    EXPECT_EQ(E_NOINTERFACE, first->QueryInterface(IID_ITestUnknown, &out));
    EXPECT_EQ(nullptr, out);
    out = kMarker;
    EXPECT_EQ(E_NOINTERFACE, first->QueryInterface(IID_IClassFactory, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(2u, first->AddRef()) << "a miss adds no reference";
    first->Release();
    EXPECT_EQ(0u, first->Release());
}

TEST_F(ComObjectTest, EveryInterfaceGivesTheSameIdentityAndIDispatchIsTheAutomationDispatch)
{
    ITestFirst* first = NewFirst();
    void* fromFirst = nullptr;
    void* fromSecond = nullptr;
    void* second = nullptr;
    void* dispatch = nullptr;
    void* ownDispatch = nullptr;
    ASSERT_EQ(S_OK, first->QueryInterface(IID_IUnknown, &fromFirst));
    ASSERT_EQ(S_OK, first->QueryInterface(IID_ITestSecond, &second));
    ASSERT_EQ(S_OK, static_cast<IUnknown*>(second)->QueryInterface(IID_IUnknown, &fromSecond));
    ASSERT_EQ(S_OK, first->QueryInterface(IID_IDispatch, &dispatch));
    ASSERT_EQ(S_OK, first->QueryInterface(IID_ITestDispatch, &ownDispatch));
    EXPECT_EQ(fromFirst, fromSecond);
    EXPECT_EQ(fromFirst, dispatch) << "the first table entry is the identity";
    EXPECT_EQ(dispatch, ownDispatch);
    EXPECT_EQ(7u, first->AddRef()) << "the creator's reference, five queries and this AddRef";
    for (void* p : {fromFirst, fromSecond, second, dispatch, ownDispatch}) static_cast<IUnknown*>(p)->Release();
    first->Release();
    EXPECT_EQ(0u, first->Release());
}

TEST_F(ComObjectTest, TheAutomationDispatchAnswersButNamesNothing)
{
    ITestFirst* first = NewFirst();
    framework::ComPtr<IDispatch> dispatch;
    ASSERT_EQ(S_OK, framework::ComPtr<ITestFirst>::Adopt(first).QueryInterface(IID_IDispatch, dispatch));
    UINT count = 0xdeadbeef;
    EXPECT_EQ(S_OK, dispatch->GetTypeInfoCount(&count));
    EXPECT_EQ(0u, count);
    ITypeInfo* info = reinterpret_cast<ITypeInfo*>(kMarker);
    EXPECT_EQ(DISP_E_BADINDEX, dispatch->GetTypeInfo(0, 0, &info));
    EXPECT_EQ(nullptr, info);
    wchar_t name[] = L"Anything";
    LPOLESTR names[] = {name};
    DISPID id = 77;
    EXPECT_EQ(DISP_E_UNKNOWNNAME, dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
    EXPECT_EQ(DISPID_UNKNOWN, id);
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE, dispatch->GetIDsOfNames(IID_ITestFirst, names, 1, 0, &id));
    DISPPARAMS none{};
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, dispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr));
}

TEST_F(ComObjectTest, AnObjectWithoutAutomationHasNoIDispatchAndItsFirstEntryIsItsIdentity)
{
    void* out = nullptr;
    ASSERT_EQ(S_OK, framework::CreateComObject<CPlainObject>(IID_ITestFirst, &out));
    auto* first = static_cast<ITestFirst*>(out);
    void* dispatch = kMarker;
    EXPECT_EQ(E_NOINTERFACE, first->QueryInterface(IID_IDispatch, &dispatch));
    EXPECT_EQ(nullptr, dispatch);
    void* identity = nullptr;
    ASSERT_EQ(S_OK, first->QueryInterface(IID_IUnknown, &identity));
    EXPECT_EQ(static_cast<void*>(first), identity);
    static_cast<IUnknown*>(identity)->Release();
    EXPECT_EQ(1, framework::ModuleLockCount());
    EXPECT_EQ(0u, first->Release());
    EXPECT_EQ(0, framework::ModuleLockCount());
}

TEST_F(ComObjectTest, CreatingForAnUnsupportedInterfaceFreesTheNewObject)
{
    void* out = kMarker;
    EXPECT_EQ(E_NOINTERFACE, framework::CreateComObject<CTestObject>(IID_ITestUnknown, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(0, g_liveTestObjects);
    EXPECT_EQ(E_POINTER, framework::CreateComObject<CTestObject>(IID_ITestFirst, nullptr));
}

TEST_F(ComObjectTest, AWrongClassIdGivesClassNotAvailableAndClearsTheOutPointer)
{
    void* out = kMarker;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, framework::GetClassObject(CLSID_Unknown, IID_IClassFactory, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_POINTER, framework::GetClassObject(CLSID_TestObject, IID_IClassFactory, nullptr));
    out = kMarker;
    EXPECT_EQ(E_NOINTERFACE, framework::GetClassObject(CLSID_TestObject, IID_ITestFirst, &out));
    EXPECT_EQ(nullptr, out);
}

TEST_F(ComObjectTest, TheClassFactoryCreatesOneNewObjectPerRequest)
{
    framework::ComPtr<IClassFactory> factory;
    ASSERT_EQ(S_OK, framework::GetClassObject(CLSID_TestObject, IID_IClassFactory,
                                              reinterpret_cast<void**>(factory.ReleaseAndGetAddressOf())));
    framework::ComPtr<ITestFirst> a, b;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_ITestFirst, reinterpret_cast<void**>(a.ReleaseAndGetAddressOf())));
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_ITestFirst, reinterpret_cast<void**>(b.ReleaseAndGetAddressOf())));
    EXPECT_NE(a.Get(), b.Get());
    EXPECT_EQ(2, g_liveTestObjects);
    int value = 0;
    EXPECT_EQ(S_OK, a->First(&value));
    EXPECT_EQ(21, value);
}

TEST_F(ComObjectTest, TheClassFactoryRefusesAggregationNullOutPointersAndUnknownInterfaces)
{
    framework::ComPtr<IClassFactory> factory;
    ASSERT_EQ(S_OK, framework::GetClassObject(CLSID_TestObject, IID_IClassFactory,
                                              reinterpret_cast<void**>(factory.ReleaseAndGetAddressOf())));
    void* out = kMarker;
    IUnknown* outer = reinterpret_cast<IUnknown*>(factory.Get());
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer, IID_IUnknown, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IUnknown, nullptr));
    out = kMarker;
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_ITestUnknown, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(0, g_liveTestObjects);
}

TEST_F(ComObjectTest, AFailingCreateFunctionGivesAnErrorInsteadOfUnwindingIntoTheCaller)
{
    framework::ComPtr<IClassFactory> factory;
    ASSERT_EQ(S_OK, framework::GetClassObject(CLSID_Throwing, IID_IClassFactory,
                                              reinterpret_cast<void**>(factory.ReleaseAndGetAddressOf())));
    void* out = kMarker;
    EXPECT_EQ(E_FAIL, factory->CreateInstance(nullptr, IID_IUnknown, &out));
    EXPECT_EQ(nullptr, out);
}

TEST_F(ComObjectTest, TheModuleCanUnloadOnlyWhileNoObjectLockOrFactoryReferenceIsAlive)
{
    EXPECT_EQ(S_OK, framework::CanUnloadNow());
    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, framework::GetClassObject(CLSID_TestObject, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    EXPECT_EQ(S_FALSE, framework::CanUnloadNow()) << "a factory referenced from outside";
    EXPECT_EQ(S_OK, factory->LockServer(TRUE));
    EXPECT_EQ(0u, factory->Release());
    EXPECT_EQ(S_FALSE, framework::CanUnloadNow()) << "a server lock";
    ITestFirst* first = NewFirst();
    EXPECT_EQ(S_OK, factory->LockServer(FALSE));
    EXPECT_EQ(S_FALSE, framework::CanUnloadNow()) << "a live object";
    first->Release();
    EXPECT_EQ(S_OK, framework::CanUnloadNow());
}

TEST_F(ComObjectTest, RegisteringTheTableAgainKeepsTheFactoriesHandedOut)
{
    void* before = nullptr;
    ASSERT_EQ(S_OK, framework::GetClassObject(CLSID_TestObject, IID_IClassFactory, &before));
    framework::RegisterClasses(kClasses);
    void* after = nullptr;
    ASSERT_EQ(S_OK, framework::GetClassObject(CLSID_TestObject, IID_IClassFactory, &after));
    EXPECT_EQ(before, after);
    static_cast<IUnknown*>(before)->Release();
    static_cast<IUnknown*>(after)->Release();
    const auto classes = framework::RegisteredClasses();
    const auto found = std::find_if(classes.begin(), classes.end(), [](const framework::ClassEntry& entry) {
        return IsEqualCLSID(*entry.clsid, CLSID_TestObject);
    });
    ASSERT_NE(classes.end(), found);
    EXPECT_STREQ(L"Cellwright.TestObject", found->progId);
    EXPECT_EQ(1, std::count_if(classes.begin(), classes.end(), [](const framework::ClassEntry& entry) {
                  return IsEqualCLSID(*entry.clsid, CLSID_TestObject);
              }));
}

TEST_F(ComObjectTest, AComPtrHoldsExactlyOneReferenceAndDropsItWhenReplacedOrDestroyed)
{
    ITestFirst* raw = NewFirst();
    {
        framework::ComPtr<ITestFirst> owner = framework::ComPtr<ITestFirst>::Adopt(raw);
        framework::ComPtr<ITestFirst> copy(owner);
        EXPECT_EQ(3u, raw->AddRef());
        raw->Release();
        framework::ComPtr<ITestFirst> moved(std::move(copy));
        EXPECT_FALSE(copy);
        moved.Reset();
        EXPECT_EQ(2u, raw->AddRef());
        raw->Release();
        ITestFirst** slot = owner.ReleaseAndGetAddressOf();
        EXPECT_EQ(nullptr, *slot);
        EXPECT_EQ(0, g_liveTestObjects) << "the old reference went before the slot was handed out";
    }
}

TEST(BstrTest, TextWithEmbeddedNullCharactersSurvivesTheRoundTrip)
{
    const std::wstring text(L"a\0b", 3);
    const framework::Bstr bstr(text);
    EXPECT_EQ(3u, bstr.Length());
    EXPECT_EQ(text, bstr.ToWString());
    const framework::Bstr copy(bstr);
    EXPECT_NE(bstr.Get(), copy.Get());
    EXPECT_EQ(text, copy.ToWString());
    EXPECT_EQ(L"", framework::Bstr().ToWString());
}

}  // namespace
}  // namespace cwtest
