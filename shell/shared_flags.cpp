#include "shared_flags.h"

namespace {

BOOL wpaSupport = FALSE;
BOOL securityWarning = FALSE;

}  // namespace

BOOL GetWpaSupportFlag()
{
    return wpaSupport;
}

void SetWpaSupportFlag(BOOL supported)
{
    wpaSupport = supported;
}

BOOL IsSecurityWarningRaised()
{
    return securityWarning;
}

void SetSecurityWarning(BOOL raised)
{
    securityWarning = raised;
}
