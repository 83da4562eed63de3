#include "tools/cleanup/SuspendedUpdates.h"

#include <exception>

#include "framework/Trace.h"

namespace cleanup {

namespace {

// One more try after a refusal: a setting left switched off is worse for the user than a second call.
template <class Put>
void PutTwice(Put put, std::exception_ptr& firstFailure) {
    try {
        put();
        return;
    } catch (...) {
        framework::TraceSwallowed(L"putting back a setting of Excel's, first try");
    }
    try {
        put();
    } catch (...) {
        if (!firstFailure) firstFailure = std::current_exception();
    }
}

}  // namespace

SuspendedUpdates::SuspendedUpdates(const sheet::Application& app) : m_app(app) {
    m_calculation = app.Calculation();
    m_screenUpdating = app.ScreenUpdating();
    m_enableEvents = app.EnableEvents();
    try {
        app.SetCalculation(sheet::xlCalculationManual);
        m_changed = 1;
        app.SetScreenUpdating(false);
        m_changed = 2;
        app.SetEnableEvents(false);
        m_changed = 3;
    } catch (...) {
        PutBack(false);
        throw;
    }
}

SuspendedUpdates::~SuspendedUpdates() {
    try {
        PutBack(false);
    } catch (...) {
        framework::TraceSwallowed(L"putting back Excel's settings at the end of a run");
    }
}

void SuspendedUpdates::Restore() { PutBack(true); }

void SuspendedUpdates::PutBack(bool report) {
    std::exception_ptr failure;
    if (m_changed >= 1) PutTwice([&] { m_app.SetCalculation(m_calculation); }, failure);
    if (m_changed >= 2) PutTwice([&] { m_app.SetScreenUpdating(m_screenUpdating); }, failure);
    if (m_changed >= 3) PutTwice([&] { m_app.SetEnableEvents(m_enableEvents); }, failure);
    m_changed = 0;
    if (report && failure) std::rethrow_exception(failure);
}

}  // namespace cleanup
