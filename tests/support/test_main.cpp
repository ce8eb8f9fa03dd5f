// The main of every test program: GoogleTest, or one child scenario when the command line asks for it.
#include <gtest/gtest.h>

#include "child.h"
#include "expectations.h"

int main(int argc, char** argv)
{
    int exitCode = 0;
    if (RunChildScenarioIfRequested(argc, argv, exitCode))
        return exitCode;
    testing::InitGoogleTest(&argc, argv);
    InstallUnexpectedHandlers();
    return RUN_ALL_TESTS();
}
