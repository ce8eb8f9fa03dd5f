#include "card_report.h"

#include <cstdio>

#include "access_point_credentials.h"
#include "output.h"

namespace {

std::string Join(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text.empty() ? "(none)" : text;
}

char CountryCharacter(DWORD code)
{
    char c = static_cast<char>(code & 0xFF);
    return c >= 0x21 && c <= 0x7E ? c : '?';
}

}  // namespace

std::string BandsText(DWORD radioCapabilities)
{
    std::vector<std::string> bands;
    if (radioCapabilities & kRadioA)
        bands.push_back("802.11a");
    if (radioCapabilities & kRadioB)
        bands.push_back("802.11b");
    if (radioCapabilities & kRadioG)
        bands.push_back("802.11g");
    return Join(bands);
}

std::string SecurityCapabilitiesText(DWORD securityCapabilities)
{
    std::vector<std::string> kinds;
    if (securityCapabilities & 1)
        kinds.push_back("WEP");
    if (securityCapabilities & 2)
        kinds.push_back("WPA");
    if (securityCapabilities & 4)
        kinds.push_back("802.1x");
    return Join(kinds);
}

std::string CountryText(DWORD countryCode)
{
    return {CountryCharacter(countryCode >> 8), CountryCharacter(countryCode)};
}

bool IsWpaKind(const std::string& security)
{
    return security == "wpa-psk" || security == "wpa";
}

void PrintCapabilities(const SimulatedCard& card)
{
    PrintHeading("Capabilities");
    PrintField("bands", BandsText(card.radioCapabilities));
    PrintField("security", SecurityCapabilitiesText(card.securityCapabilities));
    PrintField("network names", std::to_string(card.nameCapacity));
    PrintField("WPA support", YesNo(SupportsWpa(card)));
    PrintField("country", CountryText(card.countryCode));
    PrintField("driver version", card.driverVersion);
    PrintField("MAC address", card.macAddress);
}

void PrintAccessPoints(const std::vector<AccessPoint>& points, bool showSecrets)
{
    PrintHeading("Access points");
    if (points.empty()) {
        printf("  (none)\n");
        return;
    }
    std::vector<std::vector<std::string>> rows = {{"SSID", "band", "channel", "signal", "security", "cipher", "mode"}};
    for (const AccessPoint& point : points) {
        rows.push_back({point.ssid, std::string(1, point.band), std::to_string(point.channel),
                        std::to_string(point.signal), point.security, IsWpaKind(point.security) ? point.cipher : "-",
                        point.adHoc ? "ad hoc" : "infrastructure"});
    }
    PrintTable(rows);
    bool heading = false;
    for (const AccessPoint& point : points) {
        std::string credentials = CredentialSummary(point, showSecrets);
        if (credentials.empty())
            continue;
        if (!heading)
            PrintHeading("Access point credentials");
        heading = true;
        PrintField(point.ssid, credentials);
    }
}
