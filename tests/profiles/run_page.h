// The real sheet opened on the Configuration page, for the profiles suites.
#pragma once

#include <windows.h>

#include <functional>

class CWiFiPropSheet;

// `step` gets the sheet, its window and the page, and must close the sheet.
void RunPage(std::function<void(CWiFiPropSheet& sheet, HWND window, HWND page)> step);
