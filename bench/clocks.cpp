#include "clocks.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
double ServerCpuMs()
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

// The first field of /proc/PID/schedstat: nanoseconds on a CPU.
double SchedStatMs(const std::string& pid)
{
    FILE* file = std::fopen(("Z:\\proc\\" + pid + "\\schedstat").c_str(), "rb");
    if (!file)
        return -1;
    unsigned long long ns = 0;
    int read = std::fscanf(file, "%llu", &ns);
    std::fclose(file);
    return read == 1 ? static_cast<double>(ns) / 1e6 : -1;
}

}  // namespace

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
    double server = ServerCpuMs();
    return FileTimeMs(kernel) + FileTimeMs(user) + (server > 0 ? server : 0);
}

double PreciseCpuMs()
{
    char pid[32];
    DWORD length = GetEnvironmentVariableA("VYR_BENCH_SERVER_PID", pid, sizeof(pid));
    if (length == 0 || length >= sizeof(pid))
        return -1;
    // "self" is the process's first thread, the one that measures.
    double own = SchedStatMs("self"), server = SchedStatMs(pid);
    return own < 0 || server < 0 ? -1 : own + server;
}

bool CountsServerCpu()
{
    return ServerCpuMs() >= 0;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
