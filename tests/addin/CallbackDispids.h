// The DISPIDs the ribbon's callbacks answer to, as Excel learns them from GetIDsOfNames: fixed for good, so
// the tests name them on their own rather than reading them from the table of commands.
#pragma once

#include <windows.h>
#include <oaidl.h>

enum TestCallbackDispid : DISPID {
    DISPID_REMDUPS = 1,
    DISPID_LOADIMAGES = 2,
    DISPID_REMCHARS = 3,
    DISPID_CHANGECASE = 4,
    DISPID_MERGECELL = 5,
    DISPID_UNDOLAST = 6,
    DISPID_UNDOENABLED = 7,
    DISPID_RIBBONLOADED = 8,
    DISPID_GOHOME = 34,
    DISPID_HELP = 35,
};
