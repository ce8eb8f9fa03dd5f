#include "card_changes.h"

#include "driver/card_state.h"
#include "driver/store.h"
#include "random_stream.h"

namespace {

// Access points the soak adds; the store's own ("VyrLink") may go too.
const char* const kSoakPoints[] = {"Harbour", "Office", "Cafe \xE9t\xE9", "Lab 5"};
const char* const kSecurities[] = {"open", "wep", "wpa-psk", "8021x", "wpa"};
const char kBands[] = {'a', 'b', 'g'};

std::string ChangeSignal(const RegistryKey& store, SimulatedCard& card, RandomStream& random)
{
    if (card.accessPoints.empty())
        return "no access point to change";
    AccessPoint& point = card.accessPoints[random.Below(static_cast<unsigned>(card.accessPoints.size()))];
    point.signal = static_cast<int>(random.Below(101));
    WriteAccessPoint(store, point);
    return "signal of " + point.ssid + " " + std::to_string(point.signal);
}

std::string AddPoint(const RegistryKey& store, RandomStream& random)
{
    AccessPoint point;
    point.ssid = kSoakPoints[random.Below(sizeof(kSoakPoints) / sizeof(kSoakPoints[0]))];
    point.band = kBands[random.Below(sizeof(kBands))];
    point.channel = point.band == 'a' ? 36 + 4 * static_cast<int>(random.Below(8)) : 1 + static_cast<int>(random.Below(11));
    point.signal = static_cast<int>(random.Below(101));
    point.security = kSecurities[random.Below(sizeof(kSecurities) / sizeof(kSecurities[0]))];
    point.adHoc = random.Chance(10);
    WriteAccessPoint(store, point);
    return "access point " + point.ssid + " (" + point.security + ", " + std::string(1, point.band) + ", signal " +
           std::to_string(point.signal) + ")";
}

std::string RemovePoint(const RegistryKey& store, const SimulatedCard& card, RandomStream& random)
{
    if (card.accessPoints.empty())
        return "no access point to remove";
    const AccessPoint& point = card.accessPoints[random.Below(static_cast<unsigned>(card.accessPoints.size()))];
    RemoveAccessPoint(store, point.ssid);
    return "access point " + point.ssid + " gone";
}

std::string SwitchRadio(const RegistryKey& store)
{
    CardState state = ReadCardState(store);
    state.radioOn = !state.radioOn;
    WriteCardState(store, state);
    return std::string("radio ") + (state.radioOn ? "on" : "off");
}

std::string SetZeroConfig(const RegistryKey& store, SimulatedCard& card, RandomStream& random)
{
    const int answers[] = {0, 1, kZeroConfigAskService};
    card.zeroConfig = answers[random.Below(3)];
    WriteSimulatedCard(store, card);
    return std::string("Wireless Zero Configuration ") +
           (card.zeroConfig == 1 ? "on" : card.zeroConfig == 0 ? "off" : "asks the service");
}

std::string TakeCardOut(const RegistryKey& store, SimulatedCard& card)
{
    card.present = false;
    WriteSimulatedCard(store, card);
    return "card out";
}

}  // namespace

std::string ChangeCardAtRandom(RandomStream& random)
{
    RegistryKey store = OpenStore();
    SimulatedCard card = ReadSimulatedCard(store);
    if (!card.present)
        return InsertCardIfOut();
    // The card goes out seldom, as each time ends the applet's process.
    switch (random.Below(20)) {
    case 0: case 1: case 2: case 3: case 4: case 5:
        return ChangeSignal(store, card, random);
    case 6: case 7: case 8:
        return AddPoint(store, random);
    case 9: case 10: case 11:
        return RemovePoint(store, card, random);
    case 12: case 13: case 14:
        return SwitchRadio(store);
    case 15: case 16: case 17:
        return SetZeroConfig(store, card, random);
    default:
        return random.Chance(40) ? TakeCardOut(store, card) : ChangeSignal(store, card, random);
    }
}

std::string InsertCardIfOut()
{
    RegistryKey store = OpenStore();
    SimulatedCard card = ReadSimulatedCard(store);
    if (card.present)
        return "";
    card.present = true;
    WriteSimulatedCard(store, card);
    RestartCard(store);
    return "card in";
}

bool CardIsOut()
{
    return !ReadCardPresent(OpenStore());
}

int ZeroConfigAnswer()
{
    return ReadZeroConfigAnswer(OpenStore());
}

void SetZeroConfigAnswer(int answer)
{
    RegistryKey store = OpenStore();
    SimulatedCard card = ReadSimulatedCard(store);
    card.zeroConfig = answer;
    WriteSimulatedCard(store, card);
}
