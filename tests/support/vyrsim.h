// vyrsim, the simulated card's command-line tool, run by a test on the
// test's own store (the child inherits VYR80211_STORE).
#pragma once

#include <string>

#include "support/child.h"

// Runs vyrsim with the words of `line`.
ProgramResult Vyrsim(const std::string& line);
// What vyrsim prints for `line`; the test fails when vyrsim does.
std::string VyrsimOutput(const std::string& line);
