// The real applet DLL, loaded as the Control Panel loads it.
#pragma once

#include <windows.h>
#include <cpl.h>

#include <string>

// Loads VyrWLan.cpl from the program's folder and returns its CPlApplet, or null (with a test failure) when either is
// missing. The module is handed out for FreeLibrary when `module` is given.
APPLET_PROC LoadAppletEntry(HMODULE* module = nullptr);

// An applet's answer to CPL_NEWINQUIRE as one line:
// "size=244 flags=0 help=0 data=set icon=set | <name> | <info> | <help file>".
std::string DescribeNewInquiry(const NEWCPLINFOA& info);
