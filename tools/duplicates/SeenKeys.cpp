#include "tools/duplicates/SeenKeys.h"

namespace duplicates {

bool SeenKeys::Repeats(std::string key) {
    if (key.empty()) return false;
    return !m_keys.insert(std::move(key)).second;
}

}  // namespace duplicates
