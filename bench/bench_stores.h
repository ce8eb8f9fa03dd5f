// Stores of the simulated card that only the bench uses, under
// Software\Vyr\Bench, made the store of this process and its children.
#pragma once

#include <string>

// The library's default store, made afresh.
void UseFreshStore(const std::string& name);
// A store of `profiles` profiles: "Default" and the bench's, each with a
// sealed pre-shared key and password. Made once and kept for later runs
// (10,000 take minutes to write); false when it could not be made.
bool UseProfileStore(int profiles);
// The name the bench's New gives its profiles, numbered.
std::string BenchNewName(int number);
