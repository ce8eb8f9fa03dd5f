// The command table: every command's forms, help text and entry point.
#pragma once

#include <string>
#include <vector>

#include "arguments.h"

struct CommandForm {
    const char* synopsis;  // after "vyrsim "
    const char* summary;
};

struct Command {
    const char* name;
    std::vector<CommandForm> forms;
    const char* details;
    int (*run)(Arguments& args);
};

const std::vector<Command>& CommandTable();
// Null for a name no command has.
const Command* FindCommand(const std::string& name);
void PrintOverview();
void PrintCommandHelp(const Command& command);

// Entry points, one file per group. Each checks all its arguments before it
// touches the store, and answers the process's exit code.
int RunHelp(Arguments& args);
int RunStatus(Arguments& args);
int RunCard(Arguments& args);
int RunRadio(Arguments& args);
int RunLink(Arguments& args);
int RunZeroConfig(Arguments& args);
int RunClaim(Arguments& args);
int RunCaps(Arguments& args);
int RunAdminProfile(Arguments& args);
int RunMultiConfig(Arguments& args);
int RunReset(Arguments& args);
int RunAccessPoint(Arguments& args);
int RunProvision(Arguments& args);
int RunUnprovision(Arguments& args);
int RunProfiles(Arguments& args);
int RunCertificate(Arguments& args);
