// Switches off calculation, screen updating and events for a run, and puts back exactly what was there.
#pragma once

#include "sheet/Application.h"

namespace cleanup {

class SuspendedUpdates {
public:
    explicit SuspendedUpdates(const sheet::Application& app);
    ~SuspendedUpdates();
    SuspendedUpdates(const SuspendedUpdates&) = delete;
    SuspendedUpdates& operator=(const SuspendedUpdates&) = delete;

private:
    // Never throws: a setting that cannot be put back must not hide the failure that ended the run.
    void Restore() noexcept;

    const sheet::Application& m_app;
    long m_calculation = 0;
    bool m_screenUpdating = true;
    bool m_enableEvents = true;
    int m_changed = 0;  // how many of the three settings were switched, in order
};

}  // namespace cleanup
