#include "tools/cleanup/SuspendedUpdates.h"

namespace cleanup {

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
        Restore();
        throw;
    }
}

SuspendedUpdates::~SuspendedUpdates() { Restore(); }

void SuspendedUpdates::Restore() noexcept {
    if (m_changed >= 1) try { m_app.SetCalculation(m_calculation); } catch (...) {}
    if (m_changed >= 2) try { m_app.SetScreenUpdating(m_screenUpdating); } catch (...) {}
    if (m_changed >= 3) try { m_app.SetEnableEvents(m_enableEvents); } catch (...) {}
    m_changed = 0;
}

}  // namespace cleanup
