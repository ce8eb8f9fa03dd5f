// Whether the user may change what the applet keeps for every user.
#pragma once

#include <windows.h>

// TRUE when the user belongs to the local Administrators group; every
// failure answers FALSE. Windows 98 counts every user as an administrator.
// Asked once per process.
BOOL IsUserAdministrator();
