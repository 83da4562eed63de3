// Excel 2000 takes button faces only through the clipboard: the faces arrive as drawn, and whatever the
// user had copied is there again afterwards, also when the build stops halfway.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "host/excel/FaceImage.h"
#include "host/excel/LiveObjects.h"
#include "tests/addin/LegacyMenuTestKit.h"

namespace {

using cwtest::ClipboardBytes;
using cwtest::GlobalBlockOf;
using cwtest::PutOnClipboard;

const host::FaceImage kUserPicture{3, 2, {RGB(1, 2, 3), RGB(250, 0, 0), RGB(0, 250, 0),
                                          RGB(0, 0, 250), RGB(255, 255, 255), RGB(0, 0, 0)}};
const char kUserBytes[] = "another program's own data";
const wchar_t* const kUserFormat = L"Zenda Test Private Format";

struct UserContents {
    const char* what;
    std::function<void()> put;
    std::function<void()> check;
};

TEST(Excel2000, faces_arrive_through_the_clipboard_and_the_users_contents_come_back_also_after_a_failure) {
    const long liveBefore = host::LiveObjects();
    const std::wstring text = L"copied from the user's mail";
    const UserContents contents[] = {
        {"text", [&] { PutOnClipboard(CF_UNICODETEXT, GlobalBlockOf(text.c_str(), (text.size() + 1) * sizeof(wchar_t))); },
         [&] { EXPECT_EQ(ClipboardBytes(CF_UNICODETEXT).substr(0, text.size() * 2), std::string(reinterpret_cast<const char*>(text.c_str()), text.size() * 2)); }},
        {"a bitmap", [] { PutOnClipboard(CF_BITMAP, host::BitmapOf(kUserPicture)); },
         [] {
             const std::string dib = ClipboardBytes(CF_DIB);
             EXPECT_EQ(host::FaceImageOfPackedDib(dib.data(), dib.size()), kUserPicture);
             EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
         }},
        {"another program's format", [] { PutOnClipboard(RegisterClipboardFormatW(kUserFormat), GlobalBlockOf(kUserBytes, sizeof kUserBytes)); },
         [] { EXPECT_EQ(ClipboardBytes(RegisterClipboardFormatW(kUserFormat)).substr(0, sizeof kUserBytes), std::string(kUserBytes, sizeof kUserBytes)); }},
        {"nothing", [] { PutOnClipboard(0, nullptr); }, [] { EXPECT_EQ(CountClipboardFormats(), 0); }},
    };
    for (bool failHalfway : {false, true}) {
        for (const UserContents& user : contents) {
            SCOPED_TRACE(std::string(user.what) + (failHalfway ? ", the build failing halfway" : ""));
            auto excel = host::Excel::Create();
            excel->SetVersion(L"9.0");
            if (failHalfway) excel->FailCall(L"CommandBarControl.PasteFace", 2);
            user.put();
            {
                cwtest::StartedAddin addin(*excel);
                EXPECT_EQ(addin.started, S_OK);
                user.check();
                if (!failHalfway) {
                    EXPECT_EQ(cwtest::DescribeCommandBars(excel->CommandBars()), cwtest::FirstStartMenu());
                } else {
                    EXPECT_FALSE(excel->CommandBars().Find(L"Zenda Cellwright")) << "the build did stop";
                }
            }
        }
    }
    EXPECT_EQ(host::LiveObjects(), liveBefore);
}

}  // namespace
