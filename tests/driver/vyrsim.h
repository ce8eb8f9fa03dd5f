// vyrsim, the simulated card's command-line tool, run by a test on the
// test's own store (the child inherits VYR80211_STORE).
#pragma once

#include <string>

#include "support/child.h"

// Runs vyrsim with the words of `line`.
ProgramResult Vyrsim(const std::string& line);
// What vyrsim prints for `line`; the test fails when vyrsim does.
std::string VyrsimOutput(const std::string& line);

// Reading what vyrsim prints.
std::string FirstLine(const std::string& text);
// The value of the "label   value" line of an output; "<no label>" when none.
std::string OutputField(const std::string& output, const std::string& label);
// The lines `profiles` prints for profile `name`, its heading first.
std::string ProfileBlock(const std::string& output, const std::string& name);
// The table row that begins with `first`, its cells one blank apart; "(none)".
std::string OutputRow(const std::string& output, const std::string& first);
// Every key and value under `path` of the current user's tree, byte for
// byte: to see that a command left the store as it was.
std::string DumpStore(const std::string& path);
