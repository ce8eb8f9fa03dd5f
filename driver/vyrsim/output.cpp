#include "output.h"

#include <algorithm>
#include <cstdio>

namespace {

// Where values start, counted from the line's beginning.
const size_t kValueColumn = 26;

}  // namespace

void PrintHeading(const std::string& title)
{
    printf("%s\n", title.c_str());
}

void PrintField(const std::string& label, const std::string& value, int indent)
{
    // A long label still keeps two blanks before its value.
    size_t room = kValueColumn > static_cast<size_t>(indent) ? kValueColumn - static_cast<size_t>(indent) : 0;
    int width = static_cast<int>(std::max(room, label.size() + 2));
    if (value.empty())
        printf("%*s%s\n", indent, "", label.c_str());
    else
        printf("%*s%-*s%s\n", indent, "", width, label.c_str(), value.c_str());
}

void PrintTable(const std::vector<std::vector<std::string>>& rows)
{
    std::vector<size_t> widths;
    for (const std::vector<std::string>& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    for (const std::vector<std::string>& row : rows) {
        std::string line = " ";
        for (size_t i = 0; i < row.size(); ++i) {
            line += " " + row[i];
            if (i + 1 < row.size())
                line += std::string(widths[i] - row[i].size() + 1, ' ');
        }
        printf("%s\n", line.c_str());
    }
}

std::string YesNo(bool yes)
{
    return yes ? "yes" : "no";
}

std::string OnOff(bool on)
{
    return on ? "on" : "off";
}

std::string OrNone(const std::string& text)
{
    return text.empty() ? "(none)" : text;
}
