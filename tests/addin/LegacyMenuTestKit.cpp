#include "tests/addin/LegacyMenuTestKit.h"

#include <gtest/gtest.h>

#include <cstring>

#include "framework/Module.h"
#include "host/excel/FaceImage.h"
#include "tests/addin/AddinTestKit.h"

namespace cwtest {

namespace {

const wchar_t* const kFaceFiles[] = {L"remdup", L"remchars", L"changecase", L"mergecells"};

std::wstring FaceName(const host::ButtonFace& face) {
    for (const wchar_t* name : kFaceFiles) {
        const std::wstring path = framework::ModuleFolder() + name;
        if (face.picture == host::FaceImageOfFile(path + L".bmp") && face.mask == host::FaceImageOfFile(path + L"mask.bmp"))
            return name;
    }
    return L"?";
}

void DescribeControls(const host::CommandBarControls& controls, int depth, bool withSinks,
                      std::vector<std::wstring>& lines) {
    for (size_t i = 1; i <= controls.Count(); ++i) {
        const host::CommandBarControl& c = *controls.Item(i);
        std::wstring line(size_t(depth) * 2, L' ');
        line += (c.IsPopup() ? L"popup \"" : L"button \"") + c.Caption() + L"\"";
        if (c.Style() != 0) line += L" style " + std::to_wstring(c.Style());
        if (c.BeginGroup()) line += L" group";
        if (!c.Tag().empty()) line += L" tag \"" + c.Tag() + L"\"";
        if (!c.TooltipText().empty()) line += L" tip \"" + c.TooltipText() + L"\"";
        if (!c.Enabled()) line += L" disabled";
        if (!c.Visible()) line += L" hidden";
        if (c.Temporary()) line += L" temporary";
        if (!c.Face().picture.Empty()) line += L" face " + FaceName(c.Face());
        if (c.FaceId()) line += L" face id " + std::to_wstring(c.FaceId());
        if (withSinks && c.Events().Count() != 0) line += L" sinks " + std::to_wstring(c.Events().Count());
        lines.push_back(line);
        if (c.IsPopup()) DescribeControls(c.Controls(), depth + 1, withSinks, lines);
    }
}

}  // namespace

StartedAddin::StartedAddin(host::Excel& excel) : m_addin(CreateAddinThroughFactory()) {
    EXPECT_NE(m_addin, nullptr);
    if (!m_addin) return;
    framework::ComPtr<IDispatch> app = excel.Application();
    EXPECT_EQ(m_addin->OnConnection(app.Get(), ext_cm_Startup, nullptr, nullptr), S_OK);
    started = m_addin->OnStartupComplete(nullptr);
}

void StartedAddin::Stop(ext_DisconnectMode mode) {
    if (!m_addin) return;
    EXPECT_EQ(m_addin->OnDisconnection(mode, nullptr), S_OK);
    EXPECT_EQ(m_addin->Release(), 0u) << "nothing but Excel held the add-in";
    m_addin = nullptr;
}

std::vector<std::wstring> DescribeCommandBars(const host::CommandBars& bars, bool withSinks) {
    std::vector<std::wstring> lines;
    for (size_t i = 1; i <= bars.Count(); ++i) {
        const host::CommandBar& bar = *bars.Item(i);
        lines.push_back(L"bar \"" + bar.Name() + L"\" position " + std::to_wstring(bar.Position()) +
                        (bar.Visible() ? L" visible" : L"") + (bar.Temporary() ? L" temporary" : L""));
        DescribeControls(bar.Controls(), 1, withSinks, lines);
    }
    return lines;
}

std::vector<std::wstring> FirstStartMenu() {
    return {
        L"bar \"Worksheet Menu Bar\" position 1 visible",
        L"  popup \"&File\"",
        L"  popup \"&Edit\"",
        L"  popup \"&Help\"",
        L"  popup \"Zenda Utilities\"",
        L"    popup \"Cellwright\"",
        L"      button \"Remove Duplicates\" style 3 face remdup sinks 1",
        L"      button \"Remove Characters\" style 3 face remchars sinks 1",
        L"      button \"Change Case\" style 3 face changecase sinks 1",
        L"      button \"Merge Cell Text\" style 3 face mergecells sinks 1",
        L"      button \"Undo Last Run\" style 3 disabled face id 128 sinks 1",
        L"      button \"Help\" style 2 group sinks 1",
        L"    button \"Zenda Utilities Website\" group sinks 1",
        L"bar \"Zenda Cellwright\" position 4 visible",
        L"  button \"\" style 1 tag \"Remove Duplicates\" tip \"Remove Duplicates\" face remdup sinks 1",
        L"  button \"\" style 1 tag \"Remove Characters\" tip \"Remove Characters\" face remchars sinks 1",
        L"  button \"\" style 1 tag \"Change Case\" tip \"Change Case\" face changecase sinks 1",
        L"  button \"\" style 1 tag \"Merge Cell Text\" tip \"Merge Cell Text\" face mergecells sinks 1",
        L"  button \"\" style 1 tag \"Undo Last Run\" tip \"Undo Last Run\" disabled face id 128 sinks 1",
    };
}

void LeaveLegacyMenu(host::Excel& excel, int others) {
    host::CommandBars& bars = excel.CommandBars();
    auto family = bars.Find(L"Worksheet Menu Bar")->Controls().Add(host::mso::ControlPopup, L"Zenda Utilities");
    for (int i = 0; i < others; ++i) family->Controls().Add(host::mso::ControlPopup, L"Zenda Other Tool");
    family->Controls().Add(host::mso::ControlPopup, L"Cellwright");
    family->Controls().Add(host::mso::ControlButton, L"Zenda Utilities Website");
    bars.Add(L"Zenda Cellwright", host::mso::BarFloating);
}

void PutOnClipboard(UINT format, HANDLE data) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (data) SetClipboardData(format, data);
    CloseClipboard();
}

HGLOBAL GlobalBlockOf(const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return block;
}

std::string ClipboardBytes(UINT format) {
    if (!OpenClipboard(nullptr)) return "<cannot open>";
    std::string bytes;
    HANDLE data = GetClipboardData(format);
    if (const void* p = data ? GlobalLock(data) : nullptr) {
        bytes.assign(static_cast<const char*>(p), GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

std::shared_ptr<host::CommandBarControl> FamilyPopup(host::Excel& excel) {
    return excel.CommandBars().Find(L"Worksheet Menu Bar")->Controls().Find(L"Zenda Utilities");
}

std::shared_ptr<host::CommandBarControl> FindControl(host::Excel& excel, const std::vector<std::wstring>& path) {
    if (path.size() == 2 && path[0] == L"Zenda Cellwright") {
        auto toolbar = excel.CommandBars().Find(path[0]);
        for (size_t i = 1; toolbar && i <= toolbar->Controls().Count(); ++i) {
            if (toolbar->Controls().Item(i)->Tag() == path[1]) return toolbar->Controls().Item(i);
        }
        return nullptr;
    }
    std::shared_ptr<host::CommandBarControl> control;
    const host::CommandBarControls* controls = &excel.CommandBars().Find(L"Worksheet Menu Bar")->Controls();
    for (const std::wstring& caption : path) {
        control = controls ? controls->Find(caption) : nullptr;
        if (!control) return nullptr;
        controls = control->IsPopup() ? &control->Controls() : nullptr;
    }
    return control;
}

}  // namespace cwtest
