// Switches off calculation, screen updating and events for a run, and puts back exactly what was there.
#pragma once

#include "sheet/Application.h"

namespace cleanup {

class SuspendedUpdates {
public:
    explicit SuspendedUpdates(const sheet::Application& app);
    // Puts back what is still switched; a failure here goes unreported, as another one is on its way.
    ~SuspendedUpdates();
    SuspendedUpdates(const SuspendedUpdates&) = delete;
    SuspendedUpdates& operator=(const SuspendedUpdates&) = delete;

    // Puts the settings back at the end of a run that went well. A setting Excel will not take back (asked
    // twice) is reported like any other failure, after the others have been put back.
    void Restore();

private:
    void PutBack(bool report);

    const sheet::Application& m_app;
    long m_calculation = 0;
    bool m_screenUpdating = true;
    bool m_enableEvents = true;
    int m_changed = 0;  // how many of the three settings were switched, in order
};

}  // namespace cleanup
