// What ships, in both architectures: the folders come from scripts/bench.sh
// (VYR_BENCH_SHIPPED, Windows paths separated by ";").
#include <windows.h>

#include <sstream>

#include "result_table.h"
#include "sections.h"

namespace {

const char* const kShipped[] = {"VyrWLan.cpl", "80211API.dll", "german.dll", "vyrsim.exe"};

double FileKb(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<double>(data.nFileSizeHigh) * 4294967296.0 + data.nFileSizeLow) / 1024;
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
    while (std::getline(list, folder, ';')) {
        std::string arch = folder.find("i686") != std::string::npos ? "i686" : "x86_64";
        double total = 0;
        for (const char* file : kShipped) {
            double kb = FileKb(folder + "\\" + file);
            AddRow("footprint", arch + " " + file, kb < 0 ? "missing" : Figure(kb, 0, "KB"));
            total += kb < 0 ? 0 : kb;
        }
        AddRow("footprint", arch + " all shipped", Figure(total, 0, "KB"));
    }
}
