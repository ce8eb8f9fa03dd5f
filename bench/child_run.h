// The bench run again as a new process, for what the first opening in a
// process costs: the child prints "name=value" lines that the parent reads.
#pragma once

#include <map>
#include <string>

// Runs this program with `arguments`; the numbers it printed by name, empty
// when it failed.
std::map<std::string, double> RunChild(const std::string& arguments);
// Prints one figure for the parent.
void Report(const char* name, double value);
