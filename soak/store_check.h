// Whether the card's store is whole, as a new process finds it after the
// soak: every listed profile loads whole under a valid, unique name, no
// record is stored without being listed, the stored selection and the
// settings in effect read.
#pragma once

#include <string>
#include <vector>

// What is wrong, one line each; empty when the store is whole.
std::vector<std::string> StoreFaults();
