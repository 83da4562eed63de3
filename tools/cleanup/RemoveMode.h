// The removal rules of Remove Characters.
#pragma once

namespace cleanup {

enum class RemoveMode {
    Leading,
    Trailing,
    LeadingAndTrailing,
    NonPrinting,
    NoBreakSpaces,
};

// In the order the Remove Characters page offers them.
constexpr RemoveMode kRemoveModes[] = {RemoveMode::Leading, RemoveMode::Trailing, RemoveMode::LeadingAndTrailing,
                                       RemoveMode::NonPrinting, RemoveMode::NoBreakSpaces};

}  // namespace cleanup
