// The custom UI markup of the ribbon tab, and the callbacks it names.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string_view>

// One text, no line breaks, no XML declaration.
std::wstring_view RibbonMarkup();

enum RibbonDispid : LONG {
    DISPID_REMDUPS = 1,
    DISPID_LOADIMAGES = 2,
    DISPID_REMCHARS = 3,
    DISPID_CHANGECASE = 4,
    DISPID_MERGECELL = 5,
    DISPID_GOHOME = 34,
    DISPID_HELP = 35,
};

// The DISPID of a callback name, compared case-sensitively; false for an unknown name.
bool LookupRibbonCallback(std::string_view name, DISPID& id);
