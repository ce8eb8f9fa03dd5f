// The two process-wide flags that cross pages.
#pragma once

#include <windows.h>

// Whether the card supports WPA: FALSE until the Status page reads it from
// the card; the Security page's enabling rules follow it.
BOOL GetWpaSupportFlag();
void SetWpaSupportFlag(BOOL supported);

// Raised while the Security page holds the user on settings it refused;
// meanwhile the Status page does not end the process.
BOOL IsSecurityWarningRaised();
void SetSecurityWarning(BOOL raised);
