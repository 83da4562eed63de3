// The first-occurrence rule: scanning rows from the top, the first row of each key stays and every later row
// with that key is a duplicate. Keys are equal only byte for byte; each distinct key is kept once.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>

namespace duplicates {

class SeenKeys {
public:
    // True when an earlier row had this key; otherwise remembers it. An empty key (a row whose ticked cells
    // are all blank) is never a duplicate and is not remembered.
    bool Repeats(std::string key);

    std::size_t Distinct() const noexcept { return m_keys.size(); }

private:
    std::unordered_set<std::string> m_keys;
};

}  // namespace duplicates
