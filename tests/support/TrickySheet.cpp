#include "tests/support/TrickySheet.h"

#include <cstdio>
#include <vector>

#include "host/excel/Address.h"
#include "host/excel/ExcelConstants.h"

namespace cwtest {

namespace {

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        if (c >= 32 && c < 127) {
            narrow += static_cast<char>(c);
        } else {
            char escaped[12];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            narrow += escaped;
        }
    }
    return narrow.size() > 80 ? narrow.substr(0, 60) + "... (" + std::to_string(text.size()) + " chars)" : narrow;
}

}  // namespace

void FillTrickyRows(host::Sheet& sheet, long rows, long columns) {
    const std::vector<std::wstring> texts = {
        L" item one ", L"ITEM TWO", L"hELLO wORLD", L"\u00A0nbsp\u00A0inside\u00A0", L"\ttab\tand\nline\r",
        L"00123", L" 12% ", L"true", L"=lower(x)", L"-abc", L"o'neil-smith and 3rd street",
        L"\x01" L"ctl\x7F" L"x\x90", L"  ", L"jan 5", L"#n/a", L"already", L"abc", L"ID-abc"};
    // Column F is narrow: numbers there show "####".
    sheet.SetColumnWidth(6, 3);
    for (long r = 1; r <= rows; ++r) {
        for (long c = 1; c <= columns; ++c) {
            const std::wstring address = host::ColumnLetters(c) + std::to_wstring(r);
            if (r % 50 == 25) {
                // A row of texts only, one to change and the others number-like, which no tool changes.
                if (c == 1) {
                    sheet.SetText(address, L" item " + std::to_wstring(r));
                } else if (c % 3 == 0) {
                    sheet.SetNumberFormat(address, L"@");
                    sheet.SetText(address, L"123");
                } else {
                    sheet.SetText(address, c % 3 == 1 ? L"00123" : L"-12");
                }
                continue;
            }
            const long kind = (r * 7 + c * 13 + (r / 5) * 3) % 31;
            switch (kind) {
            case 18: sheet.SetNumber(address, (r % 9) + c / 8.0); break;
            case 19: break;  // blank
            case 20: sheet.SetFormula(address, L"=LOWER(\" f \")", host::CellValue::Text(L" f ")); break;
            case 21: sheet.SetDate(address, 2024, 1 + r % 12, 1 + c % 28); break;
            case 22:
                if (r % 2)
                    sheet.SetBoolean(address, r % 4 == 1);
                else
                    sheet.SetError(address, r % 4 ? host::xl::ErrNA : host::xl::ErrDiv0);
                break;
            case 23:
                if (r % 3 == 0)
                    sheet.SetText(address, std::wstring(L"nul\0 here", 9));
                else if (r % 3 == 1)
                    sheet.Enter(address, L"'");
                else
                    sheet.SetFormula(address, L"=own", host::CellValue::Text(L"=own"));
                break;
            case 24:  // hidden, or shown with a literal before it: the displayed text is not the value
                sheet.SetText(address, r % 2 ? L"abc" : L"secret");
                sheet.SetNumberFormat(address, r % 2 ? L"\"ID-\"@" : L";;;");
                break;
            case 25:  // number-like text kept by the Text format, and numbers under formats
                if (r % 2) {
                    sheet.SetNumberFormat(address, L"@");
                    sheet.SetText(address, L"123");
                } else {
                    sheet.SetNumberFormat(address, L"0.00");
                    sheet.SetNumber(address, 1 + (r % 3) / 1000.0);
                }
                break;
            case 26: sheet.SetCurrency(address, 12.5 + r % 2); break;
            case 27: sheet.SetNumber(address, 123456789.0 + r % 2); break;
            case 28:
                if (r % 97 == 0)
                    sheet.SetText(address, std::wstring(32767, r % 2 ? L'x' : L'X'));
                else
                    sheet.SetText(address, L" x" + std::to_wstring(r % 11) + L" ");
                break;
            case 29: sheet.SetText(address, L"dup " + std::to_wstring(r % 4)); break;
            case 30: sheet.SetText(address, L"Dup " + std::to_wstring(r % 4)); break;
            default: sheet.SetText(address, texts[static_cast<size_t>(kind)]); break;
            }
        }
    }
    sheet.SetArrayFormula(L"B8:C9", L"={\" y \"}", host::CellValue::Text(L" y "));
    sheet.SetArrayFormula(L"E400:E401", L"={\"arr\"}", host::CellValue::Text(L"arr"));
    for (const wchar_t* merged : {L"A3:B3", L"D700:D702", L"C950:E950", L"B1000:C1000"}) {
        const host::Area area = *host::ParseReference(merged)->areas.begin();
        for (long r = area.top; r <= area.bottom; ++r)
            for (long c = area.left; c <= area.right; ++c)
                if (r != area.top || c != area.left) sheet.ClearCell(host::ColumnLetters(c) + std::to_wstring(r));
        sheet.MergeCells(merged);
    }
}

std::string DescribeCell(const host::Cell& cell) {
    std::string line;
    switch (cell.Type()) {
    case host::ValueType::Empty: line = "empty"; break;
    case host::ValueType::Text: line = "text \"" + Narrow(cell.value.text) + "\""; break;
    case host::ValueType::Number: line = "number " + std::to_string(cell.value.number); break;
    case host::ValueType::Boolean: line = cell.value.boolean ? "TRUE" : "FALSE"; break;
    case host::ValueType::Error: line = "error " + std::to_string(cell.value.error); break;
    }
    if (cell.hasFormula) line += " formula " + Narrow(cell.formula) + (cell.hasArray ? " (array)" : "");
    if (cell.prefixed) line += " prefixed";
    line += " format " + Narrow(cell.numberFormat);
    if (cell.interiorColor) line += " fill " + std::to_string(*cell.interiorColor);
    if (cell.wrapText) line += " wrapped";
    if (cell.horizontalAlignment != host::xl::HAlignGeneral)
        line += " aligned " + std::to_string(cell.horizontalAlignment);
    if (cell.verticalAlignment != host::xl::VAlignBottom) line += " at " + std::to_string(cell.verticalAlignment);
    if (cell.merged) line += " merged";
    return line;
}

}  // namespace cwtest
