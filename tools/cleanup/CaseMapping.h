// Upper and lower case of one UTF-16 code unit, the same on every machine whatever the user's language.
#pragma once

namespace cleanup {

// The code unit's one-unit partner in the other case, or the code unit itself when it has none: a letter
// whose case form is longer (ß), a surrogate, anything that is no letter. The system's invariant mapping
// decides, kept to case pairs (a form that does not map back, such as ı to I or µ to Μ, is left out, since
// systems differ there); only the final sigma and the title-case digraphs (ǅ) map one way, on every system.
wchar_t UpperCaseOf(wchar_t c);
wchar_t LowerCaseOf(wchar_t c);

}  // namespace cleanup
