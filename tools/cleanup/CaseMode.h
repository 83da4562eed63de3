// The case rules of Change Case.
#pragma once

namespace cleanup {

enum class CaseMode {
    Upper,
    Lower,
    FirstUpper,
    FirstUpperRestLower,
    EachWord,
};

// In the order the Change Case page offers them.
constexpr CaseMode kCaseModes[] = {CaseMode::Upper, CaseMode::Lower, CaseMode::FirstUpper,
                                   CaseMode::FirstUpperRestLower, CaseMode::EachWord};

}  // namespace cleanup
