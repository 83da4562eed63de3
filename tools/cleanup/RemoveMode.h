#pragma once

// The removal rules, numbered as the Remove Characters page hands them to the engine.
enum RemoveMode
{
    REMOVE_LEADING = 0,
    REMOVE_TRAILING = 1,
    REMOVE_LEADING_TRAILING = 2,
    REMOVE_NONPRINTING = 3,
    REMOVE_NO_BREAK_SPACES = 4
};
