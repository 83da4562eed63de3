// What Remove Duplicates does with each row that repeats an earlier row's key. The codes are the ones the
// "Choose Action" page passes; any other code scans the rows and changes nothing.
#pragma once

namespace duplicates {

enum class DupAction {
    Select = 0,  // the duplicate rows become Excel's selection
    Color = 1,   // their cells take a fill colour
    Delete = 2,  // their cells are emptied; no row moves
};

}  // namespace duplicates
