// The label at the top of the pages that edit the current profile.
#pragma once

#include <windows.h>

#include <string>

class CAdapterConfig;

// The string `prefixId` followed by the profile's name, a name longer than
// 20 characters cut to its first 20 and "..."; the prefix alone without a
// profile.
std::string ProfileLabel(UINT prefixId, const CAdapterConfig* profile);
