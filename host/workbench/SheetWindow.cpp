#include "host/workbench/SheetWindow.h"

#include <commctrl.h>

#include "host/Address.h"

namespace workbench {

namespace {

constexpr int kGridId = 100;
constexpr int kStatusId = 101;
constexpr DWORD kShownMilliseconds = 400;
constexpr wchar_t kClassName[] = L"CellwrightSheetPicture";

struct Shown {
    const host::Sheet* sheet;
};

// Each cell is painted on its own fill, as the sheet shows it.
LRESULT CustomDraw(const host::Sheet& sheet, NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        const long row = static_cast<long>(draw.nmcd.dwItemSpec) + 1;
        const long column = draw.iSubItem;
        const auto fill = column > 0 ? sheet.At(row, column).interiorColor : std::nullopt;
        draw.clrTextBk = fill ? *fill : GetSysColor(COLOR_WINDOW);
        draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
        return CDRF_NEWFONT;
    }
    default: return CDRF_DODEFAULT;
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        auto* shown = reinterpret_cast<Shown*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (header->idFrom == kGridId && header->code == NM_CUSTOMDRAW && shown)
            return CustomDraw(*shown->sheet, *reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterClassOnce() {
    WNDCLASSW windowClass{};
    if (GetClassInfoW(GetModuleHandleW(nullptr), kClassName, &windowClass)) return;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
}

void FillGrid(HWND grid, const host::Sheet& sheet, long rows, long columns) {
    ListView_SetExtendedListViewStyle(grid, LVS_EX_GRIDLINES);
    for (long c = 0; c <= columns; ++c) {
        std::wstring heading = c == 0 ? std::wstring() : host::ColumnLetters(c);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = c == 0 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = c == 0 ? 36 : 150;
        column.pszText = heading.data();
        ListView_InsertColumn(grid, c, &column);
    }
    for (long r = 1; r <= rows; ++r) {
        std::wstring number = std::to_wstring(r);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = r - 1;
        item.pszText = number.data();
        ListView_InsertItem(grid, &item);
        for (long c = 1; c <= columns; ++c) {
            std::wstring text = sheet.DisplayText(r, c);
            ListView_SetItemText(grid, r - 1, c, text.data());
        }
    }
}

}  // namespace

void ShowSheet(const std::wstring& title, const host::Sheet& sheet, long rows, long columns,
               const std::wstring& statusLine, const std::function<void(HWND window)>& whileShown) {
    RegisterClassOnce();
    Shown shown{&sheet};
    const int width = 36 + 150 * static_cast<int>(columns) + 24;
    const int height = 72 + 19 * static_cast<int>(rows) + 40;
    HWND window = CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width, height,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), &shown);
    if (!window) return;
    RECT client;
    GetClientRect(window, &client);
    HWND status =
        CreateWindowExW(0, STATUSCLASSNAMEW, statusLine.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusId)), GetModuleHandleW(nullptr), nullptr);
    RECT statusRect;
    GetWindowRect(status, &statusRect);
    const int statusHeight = statusRect.bottom - statusRect.top;
    HWND grid =
        CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOSORTHEADER, 0,
                        0, client.right, client.bottom - statusHeight, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGridId)), GetModuleHandleW(nullptr), nullptr);
    FillGrid(grid, sheet, rows, columns);
    SetForegroundWindow(window);
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < kShownMilliseconds) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    whileShown(window);
    DestroyWindow(window);
}

}  // namespace workbench
