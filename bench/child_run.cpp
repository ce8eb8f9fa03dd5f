#include "child_run.h"

#include <cstdio>
#include <cstdlib>

#include "child_program.h"

std::map<std::string, double> RunChild(const std::string& arguments)
{
    std::map<std::string, double> figures;
    ChildProgram child(arguments);
    std::string line;
    while (child.ReadLine(line)) {
        std::string::size_type equals = line.find('=');
        if (equals != std::string::npos)
            figures[line.substr(0, equals)] = std::atof(line.c_str() + equals + 1);
    }
    if (!child.Started() || child.Finish() != 0)
        figures.clear();
    return figures;
}

void Report(const char* name, double value)
{
    std::printf("%s=%.4f\n", name, value);
    std::fflush(stdout);
}
