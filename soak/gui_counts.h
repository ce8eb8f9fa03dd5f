// The USER and GDI objects of the soak's own thread and process, counted
// without GetGuiResources, which answers 0 under Wine 8: windows by
// enumerating the thread's, GDI objects by probing handle values with
// GetObjectType (Wine takes a GDI handle's index without its upper half,
// so every object answers one small handle value), regions and display
// contexts aside.
#pragma once

#include <string>

struct GuiCounts {
    long windows = 0;
    long gdiObjects = 0;
};

GuiCounts CountGuiObjects();
// "" when each count saw a window and a brush made for the purpose, else
// what it missed.
std::string CheckGuiCounting();
// Wine makes some objects at their first use and keeps them as long as the
// process: the system colours' brushes and pens and the bitmaps of scroll
// bars' arrows. Made ahead, they do not count as growth.
void MakeLastingSystemObjects();
