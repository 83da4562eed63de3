#include "addin/ButtonHandlers.h"

#include "addin/MyAddin.h"
#include "addin/ShellOpen.h"

namespace button_clicks {

void RemoveDuplicates(CMyAddin& addin) { addin.StartRemoveDuplicates(); }

void RemoveCharacters(CMyAddin& addin) { addin.StartRemoveCharacters(); }

void ChangeCase(CMyAddin& addin) { addin.StartChangeCase(); }

void MergeCellText(CMyAddin& addin) { addin.StartMergeCellText(); }

void Website(CMyAddin& addin) { addin.OpenHomePageAsFirstOfFamily(); }

void Help(CMyAddin&) { OpenHelpFile(); }

}  // namespace button_clicks
