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
// CPU times as Linux counts them in nanoseconds (/proc/PID/schedstat), for
// spans too short for CpuMs's 10 ms ticks; -1 when not known: this
// process's first thread, the wineserver, and the two together.
double OwnCpuMs();
double ServerCpuMs();
double PreciseCpuMs();
// The write calls of this process (/proc/PID/io): under Wine nearly every
// one is a request to the wineserver, so their count weighs the work that
// a program asks of the server the same however loaded the machine is; -1
// when not known.
double ServerRequests();
// The environment variable that marks the processes of one bench run.
extern const char kProcessMark[];
double Median(std::vector<double> values);
