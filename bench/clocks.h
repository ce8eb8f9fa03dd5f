// Wall time and CPU time. Under Wine much of a program's work is done by
// the wineserver, so CPU time counts the server's too when the bench was
// told which process it is (VYR_BENCH_SERVER_PID, read from /proc).
#pragma once

#include <string>
#include <vector>

double NowMs();
// This process's user and kernel time, plus the wineserver's when known.
double CpuMs();
bool CountsServerCpu();
double Median(std::vector<double> values);
