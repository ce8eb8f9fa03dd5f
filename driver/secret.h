// Keys and passwords never reach the store in clear text: they are sealed
// with the Windows data protection API, for the current user.
#pragma once

#include <string>

// Empty stays empty, so that an unset secret needs no sealing.
std::string SealSecret(const std::string& clear);
// Empty when the sealed bytes cannot be opened (another user's, damaged).
std::string OpenSecret(const std::string& sealed);
