#pragma once
// A guard for the JSON files the program takes in (designs, catalogue
// sources): the JSON parser recurses once per level of nesting, so a file of
// a few hundred kilobytes of brackets would end the program on its stack
// before any check of its content could refuse it.

#include <string_view>

namespace pc {

// The deepest nesting of arrays and objects in `text`, counted no further
// than `limit` + 1; brackets inside strings do not count.
int jsonNestingDepth(std::string_view text, int limit);

// Far deeper than any file the program writes, far shallower than the stack.
inline constexpr int MaxJsonNesting = 64;

} // namespace pc
