// What the model tests share: one sheet, ranges on it by address, and the description of a refusal.
#pragma once

#include "host/excel/Address.h"
#include "host/excel/ExcelError.h"
#include "host/excel/Range.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace host {

class SheetModelTest : public ::testing::Test {
protected:
    std::shared_ptr<Sheet> sheet = std::make_shared<Sheet>(L"Sheet1", L"Book1");

    Range At(const wchar_t* address) { return Range(sheet, ParseReference(address)->areas); }

    static std::wstring ErrorOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const ExcelError& e) {
            return e.Description();
        }
        return L"<no error>";
    }
};

}  // namespace host
