// Takes the add-in's legacy menu out of Excel when the user unloads the add-in.
#pragma once

#include "sheet/Application.h"

// Deletes the "Zenda Cellwright" toolbar and this add-in's entry of the family popup "Zenda Utilities" on the
// "Worksheet Menu Bar" (the whole popup when no other family add-in uses it). Whatever is missing is skipped
// with what depends on it; nothing here fails.
void RemoveLegacyMenu(const sheet::Application& app) noexcept;
