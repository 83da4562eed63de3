#pragma once

// Character classes of the text tools. Every UTF-16 code unit counts as one character.

// Code units 9 to 13, 32 and 160, and every code unit from 256 up that the system's
// character-type table marks as a space. 133 and the rest of 0..255 are not white space.
bool IsWhiteSpace(wchar_t c);

// Code units 1 to 31, 127, 129, 141, 143, 145 and 157; nothing else.
bool IsNonPrinting(wchar_t c);
