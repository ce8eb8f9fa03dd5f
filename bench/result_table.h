// The one table the bench prints: each figure beside its goal and whether
// it met it, as Markdown so that the README can show it as printed.
#pragma once

#include <string>

// `goal` "" and `met` ignored for a figure that has no goal.
void AddRow(const std::string& section, const std::string& measure, const std::string& figure,
            const std::string& goal = std::string(), bool met = true);
void PrintTable();
std::string Figure(double value, int decimals, const char* unit = "");
