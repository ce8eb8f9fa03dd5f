#include "clocks.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

double FileTimeMs(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 10000.0;
}

std::string ServerStatPath()
{
    char pid[32];
    DWORD length = GetEnvironmentVariableA("VYR_BENCH_SERVER_PID", pid, sizeof(pid));
    if (length == 0 || length >= sizeof(pid))
        return std::string();
    return std::string("Z:\\proc\\") + pid + "\\stat";
}

// utime and stime of /proc/PID/stat, fields 14 and 15, in clock ticks of
// 10 ms; -1 when the file cannot be read.
double ServerTicksMs()
{
    static const std::string path = ServerStatPath();
    if (path.empty())
        return -1;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return -1;
    char line[1024] = {};
    size_t read = std::fread(line, 1, sizeof(line) - 1, file);
    std::fclose(file);
    line[read] = '\0';
    const char* fields = std::strrchr(line, ')');  // the command name may hold blanks
    if (!fields)
        return -1;
    unsigned long long utime = 0, stime = 0;
    // After ")": state (field 3) and fields 4 to 13, then utime and stime.
    if (std::sscanf(fields + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime, &stime) != 2)
        return -1;
    return static_cast<double>(utime + stime) * 10.0;
}

// A file of /proc/PID kept open: read again from its start, it costs no
// request to the wineserver, which would swell short spans it measures.
// Empty when it cannot be read.
std::string ReadKeptOpen(const std::string& pid, const char* name)
{
    static std::map<std::string, HANDLE> files;
    std::string path = "Z:\\proc\\" + pid + "\\" + name;
    HANDLE& file = files[path];
    if (!file)
        file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    char text[1024];
    OVERLAPPED fromStart = {};
    DWORD read = 0;
    if (file == INVALID_HANDLE_VALUE || !ReadFile(file, text, sizeof(text), &read, &fromStart))
        return std::string();
    return std::string(text, read);
}

// The first field of /proc/PID/schedstat: nanoseconds on a CPU.
double SchedStatMs(const std::string& pid)
{
    std::string text = ReadKeptOpen(pid, "schedstat");
    return text.empty() ? -1 : static_cast<double>(std::strtoull(text.c_str(), nullptr, 10)) / 1e6;
}

std::string ReadWhole(const std::string& path)
{
    std::string text;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return text;
    char buffer[4096];
    for (size_t read; (read = std::fread(buffer, 1, sizeof(buffer), file)) > 0;)
        text.append(buffer, read);
    std::fclose(file);
    return text;
}

// Wine's files are opened by the wineserver, so Z:\proc\self names the
// server. A process of the bench finds its own Linux process instead: one
// that has the bench's mark in its environment (VYR_BENCH_PROCESS, which
// the bench's children inherit) and this process's arguments, which Wine
// gives the Linux process too. The bench runs one child at a time, always
// with arguments that the parent does not have. The newest processes are
// looked at first, so that a child finds itself at once, before it opens
// what it measures.
std::string FindOwnLinuxPid()
{
    char mark[64];
    DWORD length = GetEnvironmentVariableA(kProcessMark, mark, sizeof(mark));
    if (length == 0 || length >= sizeof(mark))
        return std::string();
    std::string entry = std::string(1, '\0') + kProcessMark + "=" + mark + '\0', arguments;
    for (int i = 1; i < __argc; ++i)
        arguments += std::string(1, '\0') + __argv[i];
    std::vector<unsigned long> pids;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &data);
    if (search == INVALID_HANDLE_VALUE)
        return std::string();
    do {
        if (std::strspn(data.cFileName, "0123456789") == std::strlen(data.cFileName))
            pids.push_back(std::strtoul(data.cFileName, nullptr, 10));
    } while (FindNextFileA(search, &data));
    FindClose(search);
    std::sort(pids.rbegin(), pids.rend());
    for (unsigned long pid : pids) {
        std::string folder = "Z:\\proc\\" + std::to_string(pid) + "\\";
        // Wine pads the rewritten command line with zeros.
        std::string command = ReadWhole(folder + "cmdline");
        command.erase(command.find_last_not_of('\0') + 1);
        size_t first = command.find('\0');
        if (command.empty() || (first == std::string::npos ? std::string() : command.substr(first)) != arguments)
            continue;
        if (('\0' + ReadWhole(folder + "environ")).find(entry) != std::string::npos)
            return std::to_string(pid);
    }
    return std::string();
}

const std::string& OwnLinuxPid()
{
    static const std::string self = FindOwnLinuxPid();
    return self;
}

}  // namespace

const char kProcessMark[] = "VYR_BENCH_PROCESS";

double NowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double CpuMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    double server = ServerTicksMs();
    return FileTimeMs(kernel) + FileTimeMs(user) + (server > 0 ? server : 0);
}

double OwnCpuMs()
{
    // The Linux process's first thread is the one that measures.
    return OwnLinuxPid().empty() ? -1 : SchedStatMs(OwnLinuxPid());
}

double ServerRequests()
{
    std::string io = OwnLinuxPid().empty() ? std::string() : ReadKeptOpen(OwnLinuxPid(), "io");
    size_t at = io.find("syscw: ");
    return at == std::string::npos ? -1 : static_cast<double>(std::strtoull(io.c_str() + at + 7, nullptr, 10));
}

double ServerCpuMs()
{
    char pid[32];
    DWORD length = GetEnvironmentVariableA("VYR_BENCH_SERVER_PID", pid, sizeof(pid));
    return length == 0 || length >= sizeof(pid) ? -1 : SchedStatMs(pid);
}

double PreciseCpuMs()
{
    double own = OwnCpuMs(), server = ServerCpuMs();
    return own < 0 || server < 0 ? -1 : own + server;
}

bool CountsServerCpu()
{
    return ServerTicksMs() >= 0;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
