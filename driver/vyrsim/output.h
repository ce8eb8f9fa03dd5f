// Plain text for a reader: sections of "label  value" lines whose values
// start in one column, and tables with aligned columns.
#pragma once

#include <string>
#include <vector>

void PrintHeading(const std::string& title);
// An indented line: the label, then the value from a fixed column.
void PrintField(const std::string& label, const std::string& value, int indent = 2);
// Columns as wide as their widest cell; the first row is the header.
void PrintTable(const std::vector<std::vector<std::string>>& rows);

std::string YesNo(bool yes);
std::string OnOff(bool on);
// A text as a reader should see it: "(none)" when empty.
std::string OrNone(const std::string& text);
