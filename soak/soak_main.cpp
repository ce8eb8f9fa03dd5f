// vyrsoak: a random user against the live applet, with the card changing
// underneath. scripts/soak.sh runs it; see the README.
//   vyrsoak [--seed N] [--actions N] [--log]
//   vyrsoak --session SEED FIRST END   (a child: one applet process)
//   vyrsoak --check-store              (a child: the store's faults)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "applet_session.h"
#include "dialog_font.h"
#include "store_check.h"
#include "supervisor.h"

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: vyrsoak [--seed N] [--actions N] [--log]\n");
    return 2;
}

bool ParseNumber(const char* text, unsigned long long& number)
{
    char* end = nullptr;
    number = std::strtoull(text, &end, 10);
    return *text >= '0' && *text <= '9' && *end == '\0';
}

int CheckStore()
{
    std::vector<std::string> faults = StoreFaults();
    for (const std::string& fault : faults)
        std::printf("%s\n", fault.c_str());
    return faults.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    unsigned long long first = 0, end = 0, seed = 0;
    if (argc == 5 && std::strcmp(argv[1], "--session") == 0 && ParseNumber(argv[2], seed) &&
        ParseNumber(argv[3], first) && ParseNumber(argv[4], end))
        return RunAppletSession({seed, static_cast<long>(first), static_cast<long>(end)});
    if (argc == 2 && std::strcmp(argv[1], "--check-store") == 0)
        return CheckStore();

    SoakOptions options;
    options.seed = GetTickCount() ^ (static_cast<unsigned long long>(GetCurrentProcessId()) << 20);
    for (int i = 1; i < argc; i += 2) {
        if (std::strcmp(argv[i], "--log") == 0) {
            options.printLog = true;
            --i;
            continue;
        }
        unsigned long long number = 0;
        if (i + 1 >= argc || !ParseNumber(argv[i + 1], number))
            return Usage();
        if (std::strcmp(argv[i], "--seed") == 0)
            options.seed = number;
        else if (std::strcmp(argv[i], "--actions") == 0 && number > 0 && number <= 100000000)
            options.actions = static_cast<long>(number);
        else
            return Usage();
    }
    if (!HasDialogFont()) {
        std::fprintf(stderr, "vyrsoak: this system has no Tahoma, the font the dialogs are laid out for. Wine then "
                             "draws them in a font of the host, whose shaping can crash any edit control (Wine 8 "
                             "with DejaVu Sans, on U+02DC); put Wine's fonts into the prefix (scripts/soak.sh "
                             "does).\n");
        return 2;
    }
    std::printf("soak: seed %llu, %ld actions, store HKEY_CURRENT_USER\\%s\n",
                static_cast<unsigned long long>(options.seed), options.actions, options.store.c_str());
    std::fflush(stdout);
    return ReportSoak(options, RunSoak(options));
}
