#pragma once
// Test hook of the summary fill.

namespace pc {

// On: the summary fill computes the reduced section of every row on the
// controls in turn, as written, instead of on values with one write at the
// end. Both must leave the same state; the tests run them side by side.
void setSummaryWritesEveryRow(bool on);

} // namespace pc
