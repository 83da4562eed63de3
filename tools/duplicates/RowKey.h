// The key of a row: one part for each ticked column, in column order, so that two rows match only when
// every ticked column gives the same part. No automation: the parts come from values already read.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace duplicates {

// True for a displayed text of one or more '#' and nothing else: what Excel shows for a number or a date
// wider than its column.
bool ShowsOnlyNumberSigns(std::wstring_view text);

class RowKey {
public:
    // A ticked cell's value as Range.Value gives it. A number, a date or a currency amount gives its "%f"
    // text, which a text cell holding that same text matches; a boolean and an error value give parts that no
    // text can equal; an empty cell and an empty text give a blank part.
    void AddValue(const VARIANT& value);
    // What a cell displays: the part of a one-column range's row. A number too wide for its column shows as
    // '#' signs, the same for every such number, so then its value decides; valueOf reads it only then.
    template <class ValueOf>
    void AddDisplayed(std::wstring_view shown, ValueOf valueOf) {
        if (ShowsOnlyNumberSigns(shown))
            AddValue(valueOf());
        else
            AddText(shown);
    }

    // The key, and a fresh start for the next row. Empty when every part was blank: such a row takes no part
    // and is never a duplicate.
    std::string Take();

private:
    void AddText(std::wstring_view text);
    void AddTagged(char tag, std::string_view content);

    std::string m_key;
    bool m_blank = true;
};

// The key of a row from its ticked cells' values, left to right.
template <class TickedValues>
std::string MakeRowKey(const TickedValues& values) {
    RowKey key;
    for (const VARIANT& value : values) key.AddValue(value);
    return key.Take();
}

}  // namespace duplicates
