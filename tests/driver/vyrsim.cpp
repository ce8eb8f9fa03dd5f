#include <vector>

#include "driver_support.h"

ProgramResult Vyrsim(const std::string& line)
{
    // Words split at blanks only, so that tabs and other control characters
    // reach vyrsim inside a word; 'quotes' keep blanks in one.
    std::vector<std::string> arguments;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : line) {
        if (c == '\'') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord)
                arguments.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        arguments.push_back(word);
    return RunProgram("vyrsim.exe", arguments);
}

std::string VyrsimOutput(const std::string& line)
{
    ProgramResult outcome = Vyrsim(line);
    EXPECT_EQ(outcome.exitCode, 0u) << line << ": " << outcome.errors;
    return outcome.output;
}
