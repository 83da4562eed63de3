// The trace for support: off, nothing is written; on (the registry value), each swallowed failure is written
// with where it happened, and the file is rolled at 1 MB.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "framework/Exception.h"
#include "framework/Trace.h"

namespace {

const wchar_t kKey[] = L"Software\\Zenda Utilities\\Cellwright";

void SetTrace(DWORD on) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Trace", REG_DWORD, &on, sizeof(on));
    framework::ReadTraceSetting();
}

std::string Contents(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void SwallowOne(const wchar_t* where) {
    try {
        throw framework::CException(L"Excel said no");
    } catch (...) {
        framework::TraceSwallowed(where);
    }
}

TEST(Trace, writes_swallowed_failures_only_when_turned_on_and_rolls_at_a_megabyte) {
    const std::wstring path = framework::TraceFilePath();
    const std::wstring old = path.substr(0, path.size() - 4) + L".old.log";
    DeleteFileW(path.c_str());
    DeleteFileW(old.c_str());

    SetTrace(0);
    EXPECT_FALSE(framework::TraceOn());
    SwallowOne(L"a place while off");
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "off, no file is even made";

    SetTrace(1);
    SwallowOne(L"the test's catch");
    EXPECT_NE(Contents(path).find("swallowed in the test's catch: \"Excel said no\""), std::string::npos)
        << Contents(path);

    const std::wstring line(1000, L'x');
    for (int i = 0; i < 1100; ++i) framework::Trace(line);
    EXPECT_NE(GetFileAttributesW(old.c_str()), INVALID_FILE_ATTRIBUTES) << "rolled at 1 MB";
    EXPECT_LT(Contents(path).size(), 1u << 20);

    SetTrace(0);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"Trace");
    framework::ReadTraceSetting();
}

}  // namespace
