// What ships, in both architectures: each folder holds what the install
// puts there (scripts/bench.sh fills them; VYR_BENCH_SHIPPED, Windows paths
// separated by ";"), stripped, without the debug files beside the build.
#include <windows.h>

#include <sstream>

#include "result_table.h"
#include "sections.h"

namespace {

// Shown one by one; every other file shipped is a language's resources.
const char* const kPrograms[] = {"VyrWLan.cpl", "80211API.dll", "vyrsim.exe"};

bool IsProgram(const char* file)
{
    for (const char* program : kPrograms) {
        if (lstrcmpiA(file, program) == 0)
            return true;
    }
    return false;
}

double Kb(const WIN32_FIND_DATAA& found)
{
    return (static_cast<double>(found.nFileSizeHigh) * 4294967296.0 + found.nFileSizeLow) / 1024;
}

// Adds the folder's rows; its total in KB, or -1 when it holds nothing.
double WeighFolder(const std::string& folder, const std::string& arch)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return -1;
    double total = 0, languages = 0;
    int languageCount = 0;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        total += Kb(found);
        if (IsProgram(found.cFileName)) {
            AddRow("footprint", arch + " " + found.cFileName, Figure(Kb(found), 0, "KB"));
        } else {
            languages += Kb(found);
            ++languageCount;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    if (total == 0)
        return -1;
    AddRow("footprint", arch + " " + std::to_string(languageCount) + " language DLLs", Figure(languages, 0, "KB"));
    AddRow("footprint", arch + " all shipped", Figure(total, 0, "KB"));
    return total;
}

}  // namespace

void MeasureFootprint()
{
    char folders[2048];
    DWORD length = GetEnvironmentVariableA("VYR_BENCH_SHIPPED", folders, sizeof(folders));
    if (length == 0 || length >= sizeof(folders)) {
        AddRow("footprint", "shipped files", "VYR_BENCH_SHIPPED not set");
        return;
    }
    std::istringstream list(folders);
    std::string folder;
    double total = 0;
    while (std::getline(list, folder, ';')) {
        std::string arch = folder.find("i686") != std::string::npos ? "i686" : "x86_64";
        double kb = WeighFolder(folder, arch);
        if (kb < 0)
            AddRow("footprint", arch + " shipped files", "missing");
        else
            total += kb;
    }
    AddRow("footprint", "both architectures, all shipped", Figure(total, 0, "KB"));
}
