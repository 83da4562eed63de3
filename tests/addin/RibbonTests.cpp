// The ribbon as Excel 2007 and 2010 use it: the markup, the callback names, and Invoke.
#include <msxml2.h>
#include <olectl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "addin/commands/ShellOpen.h"
#include "addin/ribbon/RibbonMarkup.h"
#include "framework/Module.h"
#include "host/driver/WizardDriver.h"
#include "host/excel/LiveObjects.h"
#include "host/excel/Ribbon.h"
#include "res/resource.h"
#include "tests/addin/AddinTestKit.h"
#include "tests/support/MessageBoxRecorder.h"

namespace {

constexpr DISPID kUntouched = 0x0BADF00D;
void* const kMarker = reinterpret_cast<void*>(static_cast<uintptr_t>(0xdeadbeef));

class Ribbon : public testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = host::LiveObjects();
        m_shell = std::make_unique<cwtest::ShellOpenRecorder>();
        m_addin = std::make_unique<cwtest::ConnectedAddin>(L"14.0");
    }
    void TearDown() override {
        m_addin.reset();
        m_shell.reset();
        EXPECT_EQ(host::LiveObjects(), m_liveBefore) << "stand-in objects leaked";
    }

    ICellwrightCallbacks* Callbacks() { return m_addin->Callbacks(); }

    HRESULT IdOf(const wchar_t* name, DISPID& id) {
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        id = kUntouched;
        return Callbacks()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    }

    // Invoke of loadImage with one argument; the result VARIANT as it came back.
    HRESULT LoadImage(VARIANT* argument, UINT count, VARIANT& result) {
        DISPPARAMS params{argument, nullptr, count, 0};
        VariantInit(&result);
        return Callbacks()->Invoke(DISPID_LOADIMAGES, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
    }

    std::unique_ptr<cwtest::ConnectedAddin> m_addin;
    std::unique_ptr<cwtest::ShellOpenRecorder> m_shell;

private:
    long m_liveBefore = 0;
};

// One element of the markup: depth, qualified name and its attributes as name=value, sorted.
struct Element {
    int depth;
    std::wstring name;
    std::vector<std::wstring> attributes;
    bool operator==(const Element& other) const {
        return depth == other.depth && name == other.name && attributes == other.attributes;
    }
};

std::wstring Text(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

void Collect(IXMLDOMNode* node, int depth, std::vector<Element>& out) {
    BSTR name = nullptr;
    node->get_nodeName(&name);
    Element element{depth, Text(name), {}};
    SysFreeString(name);
    IXMLDOMNamedNodeMap* attributes = nullptr;
    if (SUCCEEDED(node->get_attributes(&attributes)) && attributes) {
        long count = 0;
        attributes->get_length(&count);
        for (long i = 0; i < count; ++i) {
            IXMLDOMNode* attribute = nullptr;
            attributes->get_item(i, &attribute);
            if (!attribute) continue;  // Wine's parser hands out no node for the default namespace; namespaceURI covers it
            BSTR attributeName = nullptr;
            VARIANT value;
            VariantInit(&value);
            attribute->get_nodeName(&attributeName);
            attribute->get_nodeValue(&value);
            element.attributes.push_back(Text(attributeName) + L"=" + Text(value.bstrVal));
            SysFreeString(attributeName);
            VariantClear(&value);
            attribute->Release();
        }
        attributes->Release();
    }
    std::sort(element.attributes.begin(), element.attributes.end());
    out.push_back(element);
    IXMLDOMNode* child = nullptr;
    node->get_firstChild(&child);
    while (child) {
        DOMNodeType type;
        child->get_nodeType(&type);
        if (type == NODE_ELEMENT) Collect(child, depth + 1, out);
        IXMLDOMNode* next = nullptr;
        child->get_nextSibling(&next);
        child->Release();
        child = next;
    }
}

TEST_F(Ribbon, the_markup_is_one_line_without_declaration_and_the_same_for_every_ribbon) {
    IRibbonExtensibility* ribbon = nullptr;
    ASSERT_EQ(m_addin->Extensibility()->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ribbon)),
              S_OK);
    EXPECT_EQ(ribbon->GetCustomUI(nullptr, nullptr), E_POINTER);
    BSTR excel = nullptr;
    BSTR other = nullptr;
    BSTR id = SysAllocString(L"Microsoft.Word.Document");
    ASSERT_EQ(ribbon->GetCustomUI(nullptr, &excel), S_OK);
    ASSERT_EQ(ribbon->GetCustomUI(id, &other), S_OK);
    EXPECT_EQ(Text(excel), Text(other));
    EXPECT_EQ(Text(excel).find_first_of(L"\r\n"), std::wstring::npos);
    EXPECT_EQ(Text(excel).rfind(L"<customUI ", 0), 0u) << "no XML declaration";
    SysFreeString(excel);
    SysFreeString(other);
    SysFreeString(id);
    ribbon->Release();
}

TEST_F(Ribbon, an_XML_parser_reads_the_tab_groups_menus_and_buttons_with_every_attribute) {
    IXMLDOMDocument* document = nullptr;
    CLSID parser{};
    ASSERT_EQ(CLSIDFromProgID(L"Msxml2.DOMDocument.3.0", &parser), S_OK);
    ASSERT_EQ(CoCreateInstance(parser, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                               reinterpret_cast<void**>(&document)),
              S_OK);
    std::wstring markup(RibbonMarkup());
    BSTR text = SysAllocStringLen(markup.data(), static_cast<UINT>(markup.size()));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    ASSERT_EQ(document->loadXML(text, &loaded), S_OK);
    SysFreeString(text);
    ASSERT_EQ(loaded, VARIANT_TRUE);

    IXMLDOMElement* root = nullptr;
    ASSERT_EQ(document->get_documentElement(&root), S_OK);
    BSTR uri = nullptr;
    root->get_namespaceURI(&uri);
    EXPECT_EQ(Text(uri), L"http://schemas.microsoft.com/office/2006/01/customui");
    SysFreeString(uri);
    VARIANT prefix;
    VariantInit(&prefix);
    BSTR prefixName = SysAllocString(L"xmlns:x");
    ASSERT_EQ(root->getAttribute(prefixName, &prefix), S_OK);
    SysFreeString(prefixName);
    EXPECT_EQ(Text(prefix.bstrVal), L"ZendaUtilsNameSpace");
    VariantClear(&prefix);

    std::vector<Element> tree;
    Collect(root, 0, tree);
    const std::vector<Element> expected = {
        {0, L"customUI", {L"loadImage=LoadImages", L"onLoad=RibbonLoaded", L"xmlns:x=ZendaUtilsNameSpace"}},
        {1, L"ribbon", {}},
        {2, L"tabs", {}},
        {3, L"tab", {L"idQ=x:ZendaUtil", L"keytip=ZU", L"label=Zenda Utilities"}},
        {4, L"group", {L"idQ=x:ZendaUtilit", L"label=Zenda Utilities"}},
        {5, L"menu", {L"idQ=x:ZendaUtiliti", L"keytip=W", L"label=Homepage"}},
        {6, L"button",
         {L"id=ZendaGoHome", L"keytip=CW", L"label=Cellwright", L"onAction=GoHome",
          L"screentip=Zenda Utilities Website", L"supertip=Opens the Zenda Utilities website in your web browser."}},
        {5, L"menu", {L"idQ=x:ZendaUtilith", L"keytip=H", L"label=Help"}},
        {6, L"button",
         {L"id=Help", L"keytip=CW", L"label=Cellwright", L"onAction=Help", L"screentip=Cellwright Help",
          L"supertip=Opens the Cellwright help, which describes every tool and option with examples."}},
        {4, L"group", {L"id=CustomGroup", L"label=Cellwright"}},
        {5, L"button",
         {L"id=RemDups", L"image=remdups.bmp", L"keytip=D", L"label=Remove Duplicates", L"onAction=RemDups",
          L"screentip=Remove Duplicates", L"size=normal",
          L"supertip=Finds the rows whose chosen columns repeat an earlier row, and selects, colours or empties "
          L"them."}},
        {5, L"button",
         {L"id=RemChars", L"imageMso=RemoveCitation", L"keytip=R", L"label=Remove Characters", L"onAction=RemChars",
          L"screentip=Remove Characters",
          L"supertip=Removes spaces at the start or end of each cell's text, non-printing characters or no-break "
          L"spaces."}},
        {5, L"button",
         {L"id=ChCase", L"imageMso=ChangeCase", L"keytip=C", L"label=Change Case", L"onAction=ChangeCase",
          L"screentip=Change Case",
          L"supertip=Changes the text of the selected cells to upper case, lower case, or capitals at the start of "
          L"the text or of each word."}},
        {5, L"button",
         {L"id=MrgCell", L"imageMso=MergeCells", L"keytip=M", L"label=Merge Cell Text", L"onAction=MergeCell",
          L"screentip=Merge Cell Text",
          L"supertip=Joins the text of the selected cells row by row, column by column or into one cell, with a "
          L"separator you choose."}},
        {5, L"button",
         {L"getEnabled=UndoEnabled", L"id=UndoLast", L"imageMso=Undo", L"keytip=U", L"label=Undo Last Run",
          L"onAction=UndoLast", L"screentip=Undo Last Run",
          L"supertip=Puts back everything the last run of a tool changed, on the sheet it changed."}},
    };
    ASSERT_EQ(tree.size(), expected.size());
    for (size_t i = 0; i < tree.size(); ++i) {
        std::wstring seen = tree[i].name;
        for (const std::wstring& attribute : tree[i].attributes) seen += L" " + attribute;
        EXPECT_TRUE(tree[i] == expected[i]) << "element " << i << ": " << std::string(seen.begin(), seen.end());
    }
    root->Release();
    document->Release();
}

TEST_F(Ribbon, callback_names_map_to_their_DISPIDs_case_sensitively) {
    const std::pair<const wchar_t*, DISPID> table[] = {{L"RemDups", 1},    {L"LoadImages", 2}, {L"RemChars", 3},
                                                       {L"ChangeCase", 4}, {L"MergeCell", 5},  {L"GoHome", 34},
                                                       {L"Help", 35}};
    for (const auto& [name, expected] : table) {
        DISPID id;
        EXPECT_EQ(IdOf(name, id), S_OK);
        EXPECT_EQ(id, expected);
    }
    // Only the exact names: no other case, no blank, and no look-alike that a best-fit conversion would map
    // onto a name (fullwidth letters, a Latin letter with an accent).
    for (const wchar_t* unknown : {L"remdups", L"RemDups ", L"", L"\uFF32\uFF45\uFF4D\uFF24\uFF55\uFF50\uFF53",
                                   L"R\u00E9mDups", L"Rem\u0110ups", L"Help\uFF01"}) {
        DISPID id;
        EXPECT_EQ(IdOf(unknown, id), DISP_E_UNKNOWNNAME) << testing::PrintToString(std::wstring(unknown));
        EXPECT_EQ(id, DISPID_UNKNOWN) << testing::PrintToString(std::wstring(unknown));
    }
}

TEST_F(Ribbon, get_ids_of_names_checks_its_arguments_in_order) {
    LPOLESTR two[] = {const_cast<LPOLESTR>(L"RemDups"), const_cast<LPOLESTR>(L"Help")};
    DISPID ids[2] = {kUntouched, kUntouched};
    EXPECT_EQ(Callbacks()->GetIDsOfNames(IID_IDispatch, two, 1, 0, ids), DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(Callbacks()->GetIDsOfNames(IID_IDispatch, nullptr, 1, 0, nullptr), DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(Callbacks()->GetIDsOfNames(IID_NULL, two, 1, 0, nullptr), E_POINTER);
    EXPECT_EQ(Callbacks()->GetIDsOfNames(IID_NULL, nullptr, 1, 0, ids), E_POINTER);
    EXPECT_EQ(Callbacks()->GetIDsOfNames(IID_NULL, two, 2, 0, ids), E_INVALIDARG);
    EXPECT_EQ(Callbacks()->GetIDsOfNames(IID_NULL, two, 0, 0, ids), E_INVALIDARG);
    EXPECT_EQ(ids[0], kUntouched);
    EXPECT_EQ(ids[1], kUntouched);

    // 511 characters and the terminator fit the 512-byte buffer; one more does not.
    std::wstring longest = L"Help" + std::wstring(507, L' ');
    DISPID id;
    EXPECT_EQ(IdOf(longest.c_str(), id), DISP_E_UNKNOWNNAME);
    std::wstring tooLong(600, L'H');
    EXPECT_EQ(IdOf(tooLong.c_str(), id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST_F(Ribbon, invoke_refuses_other_interfaces_missing_parameters_and_unknown_DISPIDs) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(Callbacks()->Invoke(DISPID_HELP, IID_IDispatch, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(Callbacks()->Invoke(DISPID_HELP, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
              E_POINTER);
    for (DISPID unknown : {0, 9, 33, 36, -1})
        EXPECT_EQ(Callbacks()->Invoke(unknown, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
                  DISP_E_MEMBERNOTFOUND);
    EXPECT_TRUE(m_shell->Calls().empty());
    UINT count = 7;
    EXPECT_EQ(Callbacks()->GetTypeInfoCount(&count), E_FAIL);
}

TEST_F(Ribbon, load_images_gives_a_16_by_16_picture_for_remdups_and_null_for_anything_else) {
    VARIANT argument;
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocString(L"remdups.bmp");
    VARIANT result;
    ASSERT_EQ(LoadImage(&argument, 1, result), S_OK);
    ASSERT_EQ(result.vt, VT_DISPATCH);
    ASSERT_NE(result.pdispVal, nullptr);
    IPicture* picture = nullptr;
    ASSERT_EQ(result.pdispVal->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)), S_OK);
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    BITMAP bitmap{};
    ASSERT_NE(GetObjectW(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof(bitmap), &bitmap), 0);
    EXPECT_EQ(bitmap.bmWidth, 16);
    EXPECT_EQ(bitmap.bmHeight, 16);
    picture->Release();
    VariantClear(&result);

    // By reference, as some hosts pass it.
    VARIANT byRef;
    byRef.vt = VT_BSTR | VT_BYREF;
    byRef.pbstrVal = &argument.bstrVal;
    ASSERT_EQ(LoadImage(&byRef, 1, result), S_OK);
    EXPECT_EQ(result.vt, VT_DISPATCH);
    EXPECT_NE(result.pdispVal, nullptr);
    VariantClear(&result);
    VariantClear(&argument);

    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocString(L"REMDUPS.BMP");
    ASSERT_EQ(LoadImage(&argument, 1, result), S_OK);
    EXPECT_EQ(result.vt, VT_DISPATCH);
    EXPECT_EQ(result.pdispVal, nullptr);
    VariantClear(&argument);
}

TEST_F(Ribbon, load_images_with_no_argument_or_a_number_gives_the_null_picture_and_reads_nothing_it_does_not_own) {
    VARIANT result;
    ASSERT_EQ(LoadImage(nullptr, 0, result), S_OK);
    EXPECT_EQ(result.vt, VT_DISPATCH);
    EXPECT_EQ(result.pdispVal, nullptr);

    VARIANT number;
    number.vt = VT_I4;
    number.lVal = 0x12345678;
    ASSERT_EQ(LoadImage(&number, 1, result), S_OK);
    EXPECT_EQ(result.vt, VT_DISPATCH);
    EXPECT_EQ(result.pdispVal, nullptr);

    VARIANT argument;
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocString(L"remdups.bmp");
    DISPPARAMS params{&argument, nullptr, 1, 0};
    EXPECT_EQ(Callbacks()->Invoke(DISPID_LOADIMAGES, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
              S_OK)
        << "a null result is not written to";
    VariantClear(&argument);
}

// A caller's object that must survive being passed as an out-only result: Invoke may not release it.
class ForeignObject : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    ULONG references = 1;
};

TEST_F(Ribbon, invoke_writes_its_result_without_clearing_what_the_caller_left_in_it) {
    VARIANT argument;
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocString(L"other.bmp");
    ForeignObject foreign;
    struct Case {
        DISPID id;
        UINT arguments;
        VARTYPE expected;
    };
    const Case cases[] = {{DISPID_LOADIMAGES, 1, VT_DISPATCH}, {DISPID_LOADIMAGES, 0, VT_DISPATCH},
                          {DISPID_HELP, 1, VT_EMPTY}, {DISPID_GOHOME, 1, VT_EMPTY}};
    for (const Case& c : cases) {
        const VARTYPE leftOvers[] = {VT_UNKNOWN, VT_BSTR, VT_ARRAY | VT_VARIANT};
        for (VARTYPE leftOver : leftOvers) {
            VARIANT result;
            result.vt = leftOver;
            if (leftOver == VT_UNKNOWN) {
                result.punkVal = &foreign;
            } else {
                result.byref = kMarker;  // garbage: a clear would free it
            }
            DISPPARAMS params{&argument, nullptr, c.arguments, 0};
            EXPECT_EQ(Callbacks()->Invoke(c.id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, nullptr), S_OK);
            EXPECT_EQ(result.vt, c.expected) << "DISPID " << c.id;
            if (result.vt == VT_DISPATCH) {
                EXPECT_EQ(result.pdispVal, nullptr);
            }
            EXPECT_EQ(foreign.references, 1u) << "DISPID " << c.id << ": the caller's object was released";
        }
    }
    VariantClear(&argument);
}

TEST_F(Ribbon, load_images_matches_only_the_exact_image_name) {
    for (const wchar_t* id : {L"\uFF52\uFF45\uFF4D\uFF44\uFF55\uFF50\uFF53.bmp", L"r\u00E9mdups.bmp"}) {
        VARIANT argument;
        argument.vt = VT_BSTR;
        argument.bstrVal = SysAllocString(id);
        VARIANT result;
        ASSERT_EQ(LoadImage(&argument, 1, result), S_OK);
        EXPECT_EQ(result.vt, VT_DISPATCH);
        EXPECT_EQ(result.pdispVal, nullptr) << testing::PrintToString(std::wstring(id));
        VariantClear(&result);
        VariantClear(&argument);
    }
    // A name followed by more after a NUL inside the string is not the name.
    VARIANT argument;
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocStringLen(L"remdups.bmp\0x", 13);
    VARIANT result;
    ASSERT_EQ(LoadImage(&argument, 1, result), S_OK);
    EXPECT_EQ(result.pdispVal, nullptr);
    VariantClear(&result);
    VariantClear(&argument);
}

TEST_F(Ribbon, help_opens_the_help_file_beside_the_module_maximised_and_homepage_the_home_page_normally) {
    EXPECT_EQ(m_addin->InvokeCallback(DISPID_HELP), S_OK);
    EXPECT_EQ(m_addin->InvokeCallback(DISPID_GOHOME), S_OK);
    ASSERT_EQ(m_shell->Calls().size(), 2u);
    EXPECT_EQ(m_shell->Calls()[0].target, framework::ModuleFolder() + L"cellwrighthelp.chm");
    EXPECT_EQ(m_shell->Calls()[0].show, SW_SHOWMAXIMIZED);
    EXPECT_EQ(m_shell->Calls()[1].target, kHomePageAddress);
    EXPECT_EQ(m_shell->Calls()[1].show, SW_SHOWNORMAL);
    EXPECT_EQ(framework::ModuleFolder().back(), L'\\');
}

TEST_F(Ribbon, excel_2010_reaches_every_tool_the_image_the_help_and_the_home_page_by_invoke_alone) {
    m_addin->Excel().ActiveSheet().SetText(L"B2", L"alpha");
    m_addin->Excel().Select(L"$B$2:$C$4");
    IRibbonExtensibility* ribbon = nullptr;
    ASSERT_EQ(m_addin->Extensibility()->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&ribbon)),
              S_OK);
    BSTR markup = nullptr;
    ASSERT_EQ(ribbon->GetCustomUI(nullptr, &markup), S_OK);
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(ribbon->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    ribbon->Release();

    // Every onAction and loadImage name in the markup resolves.
    std::wstring text = Text(markup);
    SysFreeString(markup);
    std::vector<std::wstring> names;
    for (const wchar_t* key : {L"onAction=\"", L"loadImage=\""}) {
        for (size_t at = text.find(key); at != std::wstring::npos; at = text.find(key, at + 1)) {
            size_t start = at + wcslen(key);
            names.push_back(text.substr(start, text.find(L'"', start) - start));
        }
    }
    ASSERT_EQ(names.size(), 8u);
    cwtest::MessageBoxRecorder messages;
    for (const std::wstring& name : names) {
        LPOLESTR asked[] = {const_cast<LPOLESTR>(name.c_str())};
        DISPID id = kUntouched;
        ASSERT_EQ(dispatch->GetIDsOfNames(IID_NULL, asked, 1, 0, &id), S_OK);
        if (id == DISPID_LOADIMAGES) continue;
        UINT expectedPage = 0;
        if (id == DISPID_REMDUPS) expectedPage = IDD_SELECT;
        if (id == DISPID_REMCHARS || id == DISPID_CHANGECASE || id == DISPID_MERGECELL) expectedPage = IDD_SELECT_N;
        std::wstring address;
        host::WizardDriver driver;
        if (expectedPage) driver.WaitForPage(expectedPage).ReadText(IDC_RANGE_ADDRESS, address).PressCancel();
        VARIANT control;
        control.vt = VT_DISPATCH;
        control.pdispVal = nullptr;
        DISPPARAMS params{&control, nullptr, 1, 0};
        HRESULT hr = E_FAIL;
        ASSERT_TRUE(driver.Run([&] {
            hr = dispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        })) << driver.Report();
        EXPECT_EQ(hr, S_OK);
        if (expectedPage) {
            EXPECT_EQ(address, L"$B$2:$C$4") << "DISPID " << id;
        }
    }
    EXPECT_EQ(m_shell->Calls().size(), 2u);
    EXPECT_EQ(messages.Count(), 0u);

    VARIANT argument;
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocString(L"remdups.bmp");
    VARIANT picture;
    VariantInit(&picture);
    DISPPARAMS params{&argument, nullptr, 1, 0};
    EXPECT_EQ(dispatch->Invoke(DISPID_LOADIMAGES, IID_NULL, 0, DISPATCH_METHOD, &params, &picture, nullptr, nullptr), S_OK);
    EXPECT_EQ(picture.vt, VT_DISPATCH);
    EXPECT_NE(picture.pdispVal, nullptr);
    VariantClear(&picture);
    VariantClear(&argument);
    dispatch->Release();
}

// Excel 2010 asks UndoEnabled once and again only when the add-in invalidates the button: after each run and
// each undo. A workbook opened meanwhile changes nothing; the undo then still finds the run's sheet.
TEST_F(Ribbon, the_undo_button_is_enabled_after_a_run_and_disabled_after_its_undo) {
    host::Excel& excel = m_addin->Excel();
    excel.ActiveSheet().SetText(L"B2", L"alpha");
    excel.Select(L"$B$2");
    host::Ribbon ribbon(m_addin->ExcelPtr(), std::wstring(RibbonMarkup()), framework::ComPtr<IDispatch>(Callbacks()));
    ASSERT_EQ(ribbon.Load(), S_OK);
    EXPECT_FALSE(ribbon.Enabled(L"UndoLast"));
    EXPECT_EQ(ribbon.Attribute(L"UndoLast", L"imageMso"), L"Undo");
    host::WizardDriver driver;
    driver.WaitForPage(IDD_SELECT_N).PressNext().WaitForPage(IDD_CHANGECASE).CheckRadio(IDC_OPTION_1).PressFinish();
    ASSERT_TRUE(driver.Run([&] { ribbon.Click(L"ChCase"); })) << driver.Report();
    ASSERT_EQ(excel.ActiveSheet().At(L"B2").value.text, L"ALPHA");
    EXPECT_TRUE(ribbon.Enabled(L"UndoLast"));
    excel.AddSheet(L"Opened since");
    excel.ActivateSheet(L"Opened since");
    EXPECT_TRUE(ribbon.Enabled(L"UndoLast"));
    EXPECT_EQ(ribbon.EnabledAsked(L"UndoLast"), 2u) << "asked again after the run only";
    EXPECT_EQ(ribbon.Click(L"UndoLast"), S_OK);
    EXPECT_EQ(excel.FindSheet(L"Sheet1")->At(L"B2").value.text, L"alpha");
    EXPECT_FALSE(ribbon.Enabled(L"UndoLast")) << "one level: the record is gone";
}

}  // namespace
