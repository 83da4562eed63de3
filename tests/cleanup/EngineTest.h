// The clean-up engines run against a fresh stand-in Excel as the add-in runs them: through a non-owning
// Application wrapper over Excel's Application object. Every test ends with no stand-in object alive.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "host/excel/Address.h"
#include "host/excel/Excel.h"
#include "host/excel/LiveObjects.h"
#include "sheet/Application.h"
#include "sheet/AutomationError.h"

namespace cwtest {

class EngineTest : public testing::Test {
protected:
    void SetUp() override {
        m_liveBefore = host::LiveObjects();
        m_excel = host::Excel::Create();
        m_appObject = m_excel->Application();
        m_app = sheet::Application(framework::ComPtr<IDispatch>(m_appObject.Get()));
    }

    void TearDown() override {
        m_app = sheet::Application();
        m_appObject.Reset();
        EXPECT_EQ(host::LiveObjects(), m_liveBefore) << "stand-in objects left alive";
    }

    host::Excel& Excel() { return *m_excel; }
    host::Sheet& Cells() { return m_excel->ActiveSheet(); }
    const sheet::Application& App() const { return m_app; }

    static std::wstring At(long row, long column) { return host::ColumnLetters(column) + std::to_wstring(row); }

    // Every cell of the block gets text(row, column), stored as it is.
    template <class TextOf>
    void FillText(long top, long left, long bottom, long right, TextOf text) {
        for (long r = top; r <= bottom; ++r)
            for (long c = left; c <= right; ++c) Cells().SetText(At(r, c), text(r, c));
    }

    // Puts of cell values: a rectangle's through Range.Value, a single cell's through Range.Item.
    size_t ValuePuts() const {
        return m_excel->Log().Count(L"Range.Value", host::Kind::Put) + m_excel->Log().Count(L"Range.Item", host::Kind::Put);
    }
    size_t Gets(const wchar_t* name) const { return m_excel->Log().Count(name, host::Kind::Get); }

    // The logged calls to these members, in order, as "Application.Calculation put".
    std::vector<std::wstring> CallsTo(std::initializer_list<const wchar_t*> names) const {
        std::vector<std::wstring> calls;
        for (const host::CallRecord& call : m_excel->Log().Calls())
            for (const wchar_t* name : names)
                if (call.Name() == name) calls.push_back(call.Name() + L" " + host::KindName(call.kind));
        return calls;
    }

    // The description of the automation error the action raises; empty when it raises none.
    template <class Action>
    static std::wstring FailureOf(Action action) {
        try {
            action();
        } catch (const sheet::CAutomationError& error) {
            return error.Description();
        }
        return std::wstring();
    }

private:
    long m_liveBefore = 0;
    std::shared_ptr<host::Excel> m_excel;
    framework::ComPtr<IDispatch> m_appObject;
    sheet::Application m_app;
};

// A text cell holding exactly this text: no formula, no number, no empty cell.
inline testing::AssertionResult IsText(const host::Cell& cell, const std::wstring& text) {
    if (cell.hasFormula)
        return testing::AssertionFailure() << "holds a formula " << testing::PrintToString(cell.formula);
    if (cell.Type() != host::ValueType::Text)
        return testing::AssertionFailure() << "is no text cell (value type " << static_cast<int>(cell.Type()) << ")";
    if (cell.value.text != text)
        return testing::AssertionFailure() << "holds " << testing::PrintToString(cell.value.text) << ", not "
                                           << testing::PrintToString(text);
    return testing::AssertionSuccess();
}

}  // namespace cwtest
