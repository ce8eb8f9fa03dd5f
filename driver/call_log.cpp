#include "call_log.h"

namespace {

bool running = false;
std::string calls;

}  // namespace

void CCallLog::Start()
{
    running = true;
    calls.clear();
}

std::string CCallLog::Stop()
{
    running = false;
    return calls;
}

void CCallLog::Add(const std::string& name, const std::string& arguments)
{
    if (running)
        calls += name + "(" + arguments + ") ";
}
