// A user's words on a dialog, for tables that script what the user does.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Acts out the words, one blank apart: "ID=text" types over an edit's whole text ("ID=" empties it), "ID:text" types
// at the caret, "ID@P" puts an edit's caret at P, "ID#I" chooses a list's item I and "ID~text" the item with that
// text, "ID" clicks; "_" in a text types a blank. Any other word goes to `other`.
void PlayWords(HWND dialog, const std::string& words, const std::function<void(const std::string&)>& other = nullptr);
