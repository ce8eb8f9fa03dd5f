// link: readings of the live link forced on the library, as a driver in an
// unusual state would report them.
#include <cstdio>

#include "commands.h"
#include "driver/card_state.h"
#include "output.h"
#include "store_access.h"

namespace {

struct ForcedOption {
    const char* option;
    const char* reading;  // the value's name in the store
    const char* label;
};

const ForcedOption kNumberOptions[] = {
    {"--state", "State", "state"},         {"--join-final", "JoinFinal", "join final"},
    {"--tx", "TxRate", "tx rate"},         {"--rx", "RxRate", "rx rate"},
    {"--band", "Band", "band"},            {"--channel", "Channel", "channel"},
    {"--quality", "LinkQuality", "link quality"}, {"--signal", "Signal", "signal"},
    {"--encryption", "Encryption", "encryption"},
};
const int kLowest = -999;
const int kHighest = 999;
const char kLive[] = "live";

void PrintForced(const ForcedReadings& forced)
{
    if (forced.Empty()) {
        printf("The library reports the live link.\n");
        return;
    }
    printf("Forced readings (the rest is the live link):\n");
    for (const ForcedOption& option : kNumberOptions) {
        auto value = forced.numbers.find(option.reading);
        if (value != forced.numbers.end())
            PrintField(option.label, std::to_string(value->second));
    }
    if (forced.hasLinkName)
        PrintField("network", "\"" + forced.linkName + "\"");
}

}  // namespace

int RunLink(Arguments& args)
{
    args.ParseOptions({{"--state", true}, {"--join-final", true}, {"--tx", true}, {"--rx", true}, {"--band", true},
                       {"--channel", true}, {"--quality", true}, {"--signal", true}, {"--encryption", true},
                       {"--name", true}, {"--clear", false}});
    args.ExpectNoMore();
    bool clear = args.Has("--clear");
    bool anyReading = args.Has("--name");
    for (const ForcedOption& option : kNumberOptions)
        anyReading = anyReading || args.Has(option.option);
    if (clear && anyReading)
        args.Usage("give readings or --clear, not both");

    RegistryKey store = OpenCardStore();
    SimulatedCard card = ReadSimulatedCard(store);
    if (!args.AnyOption()) {
        PrintForced(card.forced);
        return 0;
    }
    // Every value is checked before anything is written.
    ForcedReadings forced = clear ? ForcedReadings() : card.forced;
    for (const ForcedOption& option : kNumberOptions) {
        if (!args.Has(option.option))
            continue;
        const std::string& text = args.Value(option.option);
        if (text == kLive)
            forced.numbers.erase(option.reading);
        else
            forced.numbers[option.reading] = ParseNumber(args, text, kLowest, kHighest, option.option);
    }
    if (args.Has("--name")) {
        const std::string& name = args.Value("--name");
        forced.hasLinkName = name != kLive;
        forced.linkName = forced.hasLinkName ? name : std::string();
        if (!name.empty())  // an empty reading stays possible
            CheckName(args, name, "--name");
    }
    card.forced = forced;
    Require(WriteSimulatedCard(store, card), "write the forced readings");
    PrintForced(forced);
    return 0;
}
