// vyrsim: the command line that changes and shows the simulated card.
#include <windows.h>

#include <cstdio>
#include <exception>

#include "arguments.h"
#include "commands.h"

namespace {

int Run(const std::vector<std::string>& words)
{
    if (words.empty())
        throw UsageError{"missing COMMAND", ""};
    const std::string& name = words[0];
    if (name == "--help" || name == "-h" || name == "/?") {
        Arguments help("help", std::vector<std::string>(words.begin() + 1, words.end()));
        return RunHelp(help);
    }
    const Command* command = FindCommand(name);
    if (!command)
        throw UsageError{"unknown command " + Quoted(name), ""};
    std::vector<std::string> rest(words.begin() + 1, words.end());
    for (const std::string& word : rest) {
        if (word == "--help") {
            PrintCommandHelp(*command);
            return 0;
        }
    }
    Arguments args(name, rest);
    return command->run(args);
}

}  // namespace

int main(int argc, char** argv)
{
    // Names come in and go out as bytes of the ANSI code page, as the library
    // keeps them. A console shows its own code page (the OEM one), so for
    // this run it shows the ANSI one; files and pipes get the bytes as they are.
    UINT consolePage = GetConsoleOutputCP();
    if (consolePage != 0)
        SetConsoleOutputCP(GetACP());
    std::vector<std::string> words(argv + 1, argv + argc);
    int code = kExitFailure;
    try {
        code = Run(words);
    } catch (const UsageError& error) {
        fprintf(stderr, "vyrsim: %s\n", error.message.c_str());
        if (error.topic.empty())
            fprintf(stderr, "See \"vyrsim --help\".\n");
        else
            fprintf(stderr, "See \"vyrsim help %s\".\n", error.topic.c_str());
        code = kExitUsage;
    } catch (const Failure& failure) {
        fprintf(stderr, "vyrsim: %s\n", failure.message.c_str());
        code = kExitFailure;
    } catch (const std::exception& error) {
        fprintf(stderr, "vyrsim: %s\n", error.what());
        code = kExitFailure;
    }
    fflush(stdout);
    fflush(stderr);
    if (consolePage != 0)
        SetConsoleOutputCP(consolePage);
    return code;
}
