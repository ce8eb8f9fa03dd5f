// The one rule for every name the card keeps: access points' SSIDs, profile
// names, the administrator profile's name and multiple configurations'
// names, and the SSIDs vyrsim takes. Names are registry key names in the
// store and cells of vyrsim's tables, so they hold no "\" and nothing that
// would break a line or a column. The network names a profile looks for
// are set by the applet under its own rules (it keeps blanks as typed).
#pragma once

#include <string>

// The longest SSID and profile name.
const size_t kLongestCardName = 32;

// Why `name` cannot be a name, as the end of a sentence about it ("holds a
// control character"); "" when it can. A name holds 1 to `longest` bytes
// of the ANSI code page, no control character and no "\", is not "." or
// ".." and is not blanks only.
std::string NameFault(const std::string& name, size_t longest = kLongestCardName);
