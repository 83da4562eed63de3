// The custom UI markup of the ribbon tab, made from the table of commands, and the callbacks it names.
#pragma once

#include <string_view>

#include "addin/commands/Commands.h"

// One text, no line breaks, no XML declaration.
std::wstring_view RibbonMarkup();
