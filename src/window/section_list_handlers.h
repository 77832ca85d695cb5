#pragma once
// A check of the Sfmin-mode section search.
//
// The search evaluates its candidates on values and writes the controls once,
// for the last candidate, carrying over what earlier candidates alone would
// have left (their beeps, a status text). Writing the controls for every
// candidate in turn, as the search is stated, must leave the same state; the
// tests switch to that plain way to compare both.

#include "window/window_parts.h"

namespace pc {

void setSearchWritesEveryCandidate(bool on);

// The section shown by the selected row of LB_SSP, or -1: what the outputs
// read the selection through.
int selectedSection(const form::MainForm &f, const RunState &s);

} // namespace pc
