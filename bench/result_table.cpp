#include "result_table.h"

#include <cstdio>
#include <vector>

namespace {

struct Row {
    std::string section, measure, figure, goal, verdict;
};

std::vector<Row>& Rows()
{
    static std::vector<Row> rows;
    return rows;
}

}  // namespace

void AddRow(const std::string& section, const std::string& measure, const std::string& figure,
            const std::string& goal, bool met)
{
    Rows().push_back({section, measure, figure, goal, goal.empty() ? "" : met ? "pass" : "FAIL"});
    // Also as it comes, for a run that is watched or cut short.
    std::fprintf(stderr, "%s | %s | %s | %s\n", section.c_str(), measure.c_str(), figure.c_str(), goal.c_str());
}

void PrintTable()
{
    std::printf("| what | measure | figure | goal | met |\n|---|---|---:|---|---|\n");
    for (const Row& row : Rows())
        std::printf("| %s | %s | %s | %s | %s |\n", row.section.c_str(), row.measure.c_str(), row.figure.c_str(),
                    row.goal.c_str(), row.verdict.c_str());
    std::fflush(stdout);
}

std::string Figure(double value, int decimals, const char* unit)
{
    char text[64];
    std::snprintf(text, sizeof(text), "%.*f%s%s", decimals, value, *unit ? " " : "", unit);
    return text;
}
