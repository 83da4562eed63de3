#pragma once

// The case rules, numbered as the Change Case page hands them to the engine.
enum CaseMode
{
    CASE_UPPER = 0,
    CASE_LOWER = 1,
    CASE_FIRST_UPPER = 2,
    CASE_FIRST_UPPER_REST_LOWER = 3,
    CASE_EACH_WORD = 4
};
