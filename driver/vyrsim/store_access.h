// The card's store as vyrsim opens and writes it: every failure becomes a
// Failure that names what could not be done.
#pragma once

#include <string>

#include "driver/registry_key.h"

// Throws a Failure that says which key and why when the library refuses
// the store (see StoreRefusal).
void RequireUsableStore();
// The store the library uses (filled with the default when it is new).
RegistryKey OpenCardStore();
// "HKEY_CURRENT_USER\<path>", for messages.
std::string StoreDescription();
// Throws a Failure "cannot <what>" unless `done`.
void Require(bool done, const std::string& what);
