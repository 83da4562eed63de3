#include "host/excel/Csv.h"

#include "host/excel/DateSerial.h"
#include "host/excel/InputParser.h"
#include "host/excel/NumberFormat.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace host {

namespace {

struct Field {
    std::wstring text;
    bool quoted = false;
};

struct FileCloser {
    void operator()(FILE* file) const {
        if (file) std::fclose(file);
    }
};
using File = std::unique_ptr<FILE, FileCloser>;

std::vector<std::vector<Field>> ParseRecords(const std::wstring& text) {
    std::vector<std::vector<Field>> records;
    std::vector<Field> record;
    Field field;
    size_t line = 1;
    size_t i = 0;
    bool atFieldStart = true;
    auto endField = [&]() {
        record.push_back(std::move(field));
        field = Field{};
        atFieldStart = true;
    };
    auto endRecord = [&]() {
        endField();
        records.push_back(std::move(record));
        record.clear();
        ++line;
    };
    while (i < text.size()) {
        wchar_t c = text[i];
        if (atFieldStart && c == L'"') {
            field.quoted = true;
            atFieldStart = false;
            ++i;
            for (;;) {
                if (i >= text.size()) throw std::runtime_error("unclosed quote in CSV record " + std::to_string(line));
                if (text[i] == L'"') {
                    if (i + 1 < text.size() && text[i + 1] == L'"') {
                        field.text += L'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field.text += text[i++];
            }
            if (i < text.size() && text[i] != L',' && text[i] != L'\r' && text[i] != L'\n') {
                throw std::runtime_error("text after a closing quote in CSV record " + std::to_string(line));
            }
            continue;
        }
        atFieldStart = false;
        if (c == L',') {
            endField();
            ++i;
        } else if (c == L'\r' || c == L'\n') {
            endRecord();
            i += (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ? 2 : 1;
        } else {
            field.text += c;
            ++i;
        }
    }
    // A last record without a line end.
    if (!atFieldStart || !record.empty()) endRecord();
    return records;
}

std::wstring Quote(const std::wstring& text) {
    std::wstring quoted = L"\"";
    for (wchar_t c : text) {
        quoted += c;
        if (c == L'"') quoted += L'"';
    }
    return quoted + L"\"";
}

std::wstring NumberText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    if (std::strtod(buffer, nullptr) != value) std::snprintf(buffer, sizeof buffer, "%.17g", value);
    std::string s(buffer);
    return std::wstring(s.begin(), s.end());
}

std::wstring ExportField(const Sheet& sheet, long row, long column) {
    const Sheet::Stored* stored = sheet.Find(row, column);
    if (!stored || !stored->HasContent()) return {};
    if (stored->hasFormula) return Quote(stored->formula);
    const CellValue& value = stored->value;
    switch (value.type) {
    case ValueType::Empty: return {};
    case ValueType::Text: {
        bool needsMark = stored->prefixed || (!value.text.empty() && (value.text[0] == L'=' || value.text[0] == L'\''));
        return Quote(needsMark ? L"'" + value.text : value.text);
    }
    case ValueType::Boolean: return value.boolean ? L"TRUE" : L"FALSE";
    case ValueType::Error: return ErrorText(value.error);
    case ValueType::Number: break;
    }
    if (IsDateFormat(sheet.NumberFormatAt(row, column)) && value.number >= 1 && value.number <= kMaxDateSerial) {
        bool hasTime = value.number != std::floor(value.number);
        auto text = FormatNumber(value.number, hasTime ? L"m/d/yyyy h:mm:ss" : L"m/d/yyyy");
        if (text) return *text;
    }
    return NumberText(value.number);
}

}  // namespace

void ImportCsvText(Sheet& sheet, const std::wstring& text) {
    auto records = ParseRecords(text);
    sheet.EraseContent(sheet.Whole());
    for (size_t r = 0; r < records.size(); ++r) {
        if (long(r) >= sheet.Size().rows) throw std::runtime_error("more CSV records than sheet rows");
        for (size_t c = 0; c < records[r].size(); ++c) {
            if (long(c) >= sheet.Size().columns) throw std::runtime_error("more CSV fields than sheet columns");
            const Field& field = records[r][c];
            long row = long(r) + 1;
            long column = long(c) + 1;
            if (!field.text.empty() && field.text[0] == L'=') {
                sheet.StoreContent(row, column, CellValue::Empty(), true, field.text, false, {});
            } else if (field.quoted) {
                bool prefixed = !field.text.empty() && field.text[0] == L'\'';
                sheet.StoreContent(row, column, CellValue::Text(prefixed ? field.text.substr(1) : field.text), false,
                                   {}, prefixed, {});
            } else if (!field.text.empty()) {
                ParsedInput input = ParseInput(field.text, sheet.NumberFormatAt(row, column));
                sheet.StoreContent(row, column, input.value, input.isFormula, input.formula, input.prefixed,
                                   input.numberFormat);
            }
        }
    }
}

void ImportCsv(Sheet& sheet, const std::wstring& path) {
    File file(_wfopen(path.c_str(), L"rb"));
    if (!file) throw std::runtime_error("cannot open the CSV file");
    std::string bytes;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get())) throw std::runtime_error("cannot read the CSV file");
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
    std::wstring text;
    if (!bytes.empty()) {
        int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
        if (length <= 0) throw std::runtime_error("the CSV file is not UTF-8");
        text.resize(size_t(length));
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), &text[0], length);
    }
    ImportCsvText(sheet, text);
}

std::wstring ExportCsvText(const Sheet& sheet) {
    auto used = sheet.UsedArea();
    if (!used) return {};
    std::wstring text;
    for (long r = 1; r <= used->bottom; ++r) {
        for (long c = 1; c <= used->right; ++c) {
            if (c > 1) text += L',';
            text += ExportField(sheet, r, c);
        }
        text += L"\r\n";
    }
    return text;
}

void ExportCsv(const Sheet& sheet, const std::wstring& path) {
    std::wstring text = ExportCsvText(sheet);
    std::string bytes;
    if (!text.empty()) {
        int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
        if (length <= 0) throw std::runtime_error("cannot encode the CSV text");
        bytes.resize(size_t(length));
        WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &bytes[0], length, nullptr, nullptr);
    }
    File file(_wfopen(path.c_str(), L"wb"));
    if (!file) throw std::runtime_error("cannot create the CSV file");
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        throw std::runtime_error("cannot write the CSV file");
    }
    if (std::fclose(file.release()) != 0) throw std::runtime_error("cannot write the CSV file");
}

}  // namespace host
