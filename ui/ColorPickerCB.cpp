#include "ui/ColorPickerCB.h"

#include <string>

#include "framework/Dpi.h"

namespace {

// Names are the CSS colour keywords, at most 31 characters.
constexpr std::array<ColorChoice, 35> kColorChoices = {{
    {L"Aqua", 0xFFFF00},         {L"Bisque", 0xC4E4FF},    {L"Blue", 0xFF0000},        {L"BlueViolet", 0xE22B8A},
    {L"Brown", 0x2A2AA5},        {L"Coral", 0x507FFF},     {L"DarkBlue", 0x8B0000},    {L"DarkCyan", 0x8B8B00},
    {L"DarkRed", 0x00008B},      {L"DimGray", 0x696969},   {L"DodgerBlue", 0xFF901E},  {L"FireBrick", 0x2222B2},
    {L"ForestGreen", 0x228B22},  {L"Gold", 0x00D7FF},      {L"Green", 0x008000},       {L"Indigo", 0x82004B},
    {L"LemonChiffon", 0xCDFAFF}, {L"LightBlue", 0xE6D8AD}, {L"LightSalmon", 0x7AA0FF}, {L"LightYellow", 0xE0FFFF},
    {L"Magenta", 0xFF00FF},      {L"Navy", 0x800000},      {L"Olive", 0x008080},       {L"Orange", 0x00A5FF},
    {L"PeachPuff", 0xB9DAFF},    {L"Peru", 0x3F85CD},      {L"Red", 0x0000FF},         {L"SpringGreen", 0x7FFF00},
    {L"SteelBlue", 0xB48246},    {L"Tan", 0x8CB4D2},       {L"Tomato", 0x4763FF},      {L"Turquoise", 0xD0E040},
    {L"Violet", 0xEE82EE},       {L"Yellow", 0x00FFFF},    {L"YellowGreen", 0x32CD9A},
}};

constexpr int kMaxNameLength = 31;
constexpr int kNameTabStop = 50;

// A solid brush for one fill, deleted after it.
void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    if (HBRUSH brush = ::CreateSolidBrush(color)) {
        ::FillRect(dc, &rect, brush);
        ::DeleteObject(brush);
    }
}

// Keeps the device context as the combo handed it over.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : m_dc(dc), m_state(::SaveDC(dc)) {}
    ~SavedDC() {
        if (m_state) ::RestoreDC(m_dc, m_state);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC m_dc;
    int m_state;
};

}  // namespace

const std::array<ColorChoice, 35>& ColorChoices() { return kColorChoices; }

void CColorPickerCB::FillColors() {
    ResetContent();
    for (const ColorChoice& choice : kColorChoices) {
        int index = AddString(choice.name);
        if (index == CB_ERRSPACE) break;
        if (index >= 0) SetItemData(index, choice.color);
    }
}

COLORREF CColorPickerCB::GetSelectedColor() const {
    int index = GetCurSel();
    if (index == CB_ERR) return 0;
    return static_cast<COLORREF>(GetItemData(index));
}

void CColorPickerCB::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    SavedDC saved(dc);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF windowText = ::GetSysColor(COLOR_WINDOWTEXT);
    COLORREF textColor = selected ? (~windowText & 0xFFFFFF) : windowText;
    const COLORREF background = ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    ::SetTextColor(dc, textColor);
    ::SetBkColor(dc, background);
    FillSolid(dc, item.rcItem, background);
    if (item.itemState & ODS_FOCUS) ::DrawFocusRect(dc, &item.rcItem);

    // The swatch takes the left quarter of the item, the name stands to its right; the margins and the
    // swatch's frame grow with the display scale, as the item does with the font.
    const UINT dpi = framework::DpiOfWindow(m_hWnd);
    const int margin = framework::ScaleToDpi(2, dpi);
    const int quarter = (item.rcItem.right - item.rcItem.left) / 4;
    const int textX = item.rcItem.left + quarter + margin;
    const int textY = item.rcItem.top + margin;
    RECT swatch = item.rcItem;
    ::InflateRect(&swatch, -margin, -margin);
    swatch.right = item.rcItem.left + quarter;
    if (static_cast<int>(item.itemID) == -1) return;

    wchar_t name[kMaxNameLength + 1] = {};
    if (SendMessage(CB_GETLBTEXTLEN, item.itemID) <= kMaxNameLength)
        SendMessage(CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(name));
    COLORREF swatchColor = static_cast<COLORREF>(item.itemData);
    if (item.itemState & ODS_DISABLED) {
        textColor = ::GetSysColor(COLOR_GRAYTEXT);
        swatchColor = textColor;
        ::SetTextColor(dc, textColor);
    }
    ::SetBkMode(dc, TRANSPARENT);
    const INT tabStop = kNameTabStop;
    ::TabbedTextOutW(dc, textX, textY, name, static_cast<int>(wcslen(name)), 1, &tabStop, 0);
    FillSolid(dc, swatch, swatchColor);
    const int frame = framework::ScaleToDpi(1, dpi);
    for (int line = 0; line < frame && swatch.right - swatch.left > 2 && swatch.bottom - swatch.top > 2; ++line) {
        ::FrameRect(dc, &swatch, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::InflateRect(&swatch, -1, -1);
    }
}

LRESULT CColorPickerCB::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A click focuses the list before it drops down, as a click on any other control would.
    if (message == WM_LBUTTONDOWN && ::GetFocus() != m_hWnd) SetFocus();
    return CComboBox::WindowProc(message, wParam, lParam);
}
