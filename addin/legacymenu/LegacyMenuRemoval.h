// Takes the add-in's legacy menu out of Excel: when the user unloads the add-in, and when the DLL is
// unregistered.
#pragma once

#include "sheet/Application.h"

// Deletes the "Zenda Cellwright" toolbar and this add-in's entry of the family popup "Zenda Utilities" on the
// "Worksheet Menu Bar" (the whole popup when no other family add-in uses it). Whatever is missing is skipped
// with what depends on it; nothing here fails.
void RemoveLegacyMenu(const sheet::Application& app) noexcept;

// The same for unregistration, in the Excel that "Excel.Application" names: the running instance, else a
// new one, quit again afterwards. Versions that show the ribbon are left alone; nothing here fails.
void RemoveLegacyMenuFromExcel() noexcept;
