// The configuration claim: a named mutex that the claiming process keeps
// open, or another logon session's claim that the simulated card records.
// The library takes the claim; vyrsim looks at it.
#pragma once

#include <windows.h>

#include <string>

// One name per store, so that isolated stores do not meet. Registry paths
// ignore case, and so does the name.
std::string ConfigurationClaimName(const std::string& storeRootPath);

// Whether some process of this machine holds the claim of the store at
// `storeRootPath` now.
bool IsConfigurationClaimHeld(const std::string& storeRootPath);

DWORD CurrentLogonSession();
// Whether a claim recorded for `session` (0: none) keeps this process's
// session out.
bool IsForeignClaim(DWORD session);
