#include <sstream>
#include <vector>

#include "driver_support.h"

ProgramResult Vyrsim(const std::string& line)
{
    std::istringstream words(line);
    std::vector<std::string> arguments;
    for (std::string word; words >> word;)
        arguments.push_back(word);
    return RunProgram("vyrsim.exe", arguments);
}

std::string VyrsimOutput(const std::string& line)
{
    ProgramResult outcome = Vyrsim(line);
    EXPECT_EQ(outcome.exitCode, 0u) << line << ": " << outcome.errors;
    return outcome.output;
}
