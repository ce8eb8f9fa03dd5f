#include <windows.h>

#include <sstream>
#include <vector>

#include "driver/registry_key.h"
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

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

std::string OutputField(const std::string& output, const std::string& label)
{
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        size_t start = line.find_first_not_of(' ');
        if (start != std::string::npos && line.compare(start, label.size() + 2, label + "  ") == 0)
            return line.substr(line.find_first_not_of(' ', start + label.size()));
    }
    return "<no " + label + ">";
}

std::string ProfileBlock(const std::string& output, const std::string& name)
{
    std::istringstream lines(output);
    std::string block;
    bool inside = false;
    for (std::string line; std::getline(lines, line);) {
        bool heading = line.compare(0, 2, "  ") == 0 && line[2] != ' ';
        if (heading || line[0] != ' ')
            inside = heading && line.compare(2, name.size() + 2, name + " (") == 0;
        block += inside ? line + "\n" : "";
    }
    return block;
}

std::string OutputRow(const std::string& output, const std::string& first)
{
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream cells(line);
        std::string row;
        for (std::string cell; cells >> cell;)
            row += (row.empty() ? "" : " ") + cell;
        if (row.compare(0, first.size() + 1, first + " ") == 0)
            return row;
    }
    return "(none)";
}

std::string DumpStore(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "(no " + path + ")";
    std::string dump = "[" + path + "]\n";
    char name[512];
    BYTE data[8192];
    DWORD nameSize = sizeof(name), dataSize = sizeof(data), type = 0;
    for (DWORD i = 0; RegEnumValueA(key, i++, name, &nameSize, nullptr, &type, data, &dataSize) == 0;) {
        dump += std::string(name) + ":" + std::to_string(type) + "=" +
                std::string(reinterpret_cast<char*>(data), dataSize) + "\n";
        nameSize = sizeof(name);
        dataSize = sizeof(data);
    }
    RegCloseKey(key);
    for (const std::string& child : RegistryKey::Open(path).ChildNames())
        dump += DumpStore(path + "\\" + child);
    return dump;
}
