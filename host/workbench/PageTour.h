// Every wizard page once, each saved under the fixed name the help pages and the README show it by.
#pragma once

#include <oaidl.h>

#include "host/excel/Excel.h"
#include "host/workbench/PageAlbum.h"

namespace workbench {

// Opens each tool's wizard through the ribbon callbacks, takes its pages (the range picker's box, the
// colour list dropped down and each of the merge option pages among them) and cancels it; the sheet's
// cells stay as they were.
void TakeTour(host::Excel& excel, IDispatch* callbacks, PageAlbum& album);

}  // namespace workbench
