#include "applet_entry.h"

#include <gtest/gtest.h>

#include <cstdio>

APPLET_PROC LoadAppletEntry(HMODULE* module)
{
    HMODULE applet = LoadLibraryA("VyrWLan.cpl");
    EXPECT_NE(applet, nullptr) << "cannot load VyrWLan.cpl";
    if (module)
        *module = applet;
    if (!applet)
        return nullptr;
    auto entry = reinterpret_cast<APPLET_PROC>(reinterpret_cast<void*>(GetProcAddress(applet, "CPlApplet")));
    EXPECT_NE(entry, nullptr) << "VyrWLan.cpl exports no CPlApplet";
    return entry;
}

std::string DescribeNewInquiry(const NEWCPLINFOA& info)
{
    char line[512];
    std::snprintf(line, sizeof(line), "size=%lu flags=%lu help=%lu data=%s icon=%s | %.*s | %.*s | %.*s",
                  static_cast<unsigned long>(info.dwSize), static_cast<unsigned long>(info.dwFlags),
                  static_cast<unsigned long>(info.dwHelpContext), info.lData ? "set" : "none",
                  info.hIcon ? "set" : "none", static_cast<int>(sizeof(info.szName)), info.szName,
                  static_cast<int>(sizeof(info.szInfo)), info.szInfo, static_cast<int>(sizeof(info.szHelpFile)),
                  info.szHelpFile);
    return line;
}
