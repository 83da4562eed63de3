// The Index of a command-bar collection's Item: a string is a name (or caption), anything else
// is read as a position from 1.
#pragma once

#include "host/excel/Arguments.h"

#include <optional>
#include <string>

namespace host {

struct ItemIndex {
    std::optional<std::wstring> name;
    long number = 0;
};

// Throws ArgumentError: DISP_E_PARAMNOTOPTIONAL when missing, DISP_E_TYPEMISMATCH for a value
// that is neither text nor a number.
ItemIndex ReadItemIndex(const Arguments& args, size_t position);

}  // namespace host
