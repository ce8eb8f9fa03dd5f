#include "applet_entry.h"

#include <gtest/gtest.h>

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
