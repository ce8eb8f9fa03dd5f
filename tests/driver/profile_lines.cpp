#include <algorithm>
#include <functional>
#include <sstream>
#include <type_traits>
#include <vector>

#include "driver_support.h"

namespace {

using Profile = CAdapterConfig;

struct Setting {
    const char* name;
    std::function<std::string(const Profile&)> get;
    std::function<BOOL(Profile&, const std::string&)> set;
};

// "text/number" apart; the number is the text's length when there is none.
std::pair<std::string, int> Split(const std::string& value)
{
    size_t slash = value.rfind('/');
    if (slash == std::string::npos)
        return {value, static_cast<int>(value.size())};
    return {value.substr(0, slash), std::stoi(value.substr(slash + 1))};
}

template <typename Get, typename Set>
Setting Number(const char* name, Get get, Set set)
{
    return {name, [get](const Profile& p) { return std::to_string((p.*get)()); },
            [set](Profile& p, const std::string& value) { return (p.*set)(std::stol(value)); }};
}

// A text, or one set with a length (a password; a key also shows its length index after its text).
template <typename Get, typename Set>
Setting Text(const char* name, Get get, Set set, int (Profile::*length)() const = nullptr)
{
    auto read = [get, length](const Profile& p) {
        std::string text;
        return (p.*get)(text) + (length ? "/" + std::to_string((p.*length)()) : "");
    };
    return {name, read, [set](Profile& p, const std::string& value) {
                if constexpr (std::is_invocable_v<Set, Profile&, const std::string&, int>) {
                    auto sized = Split(value);
                    return (p.*set)(sized.first, sized.second);
                } else {
                    return (p.*set)(value);
                }
            }};
}

const std::vector<Setting>& Settings()
{
    using P = Profile;
    static const std::vector<Setting> settings = {
        Text("name", &P::GetName, &P::SetName),
        Number("type", &P::GetNetworkType, &P::SetNetworkType),
        Text("ssid1", &P::GetNetworkName, &P::SetNetworkName),
        Text("ssid2", &P::GetNetworkName2, &P::SetNetworkName2),
        Text("ssid3", &P::GetNetworkName3, &P::SetNetworkName3),
        Number("mode", &P::GetWirelessMode, &P::SetWirelessMode),
        Number("band", &P::GetAdHocStartBand, &P::SetAdHocStartBand),
        Number("security", &P::GetEnableSecurity, &P::SetEnableSecurity),
        Number("eap", &P::GetEapSelection, &P::SetEapSelection),
        Number("wpa", &P::GetWpa, &P::SetWpa),
        Number("dynamic", &P::GetDynamicSecurity, &P::SetDynamicSecurity),
        Number("leap", &P::GetLeapEnabled, &P::SetLeapEnabled),
        Number("format", &P::GetWepEncryptType, &P::SetWepEncryptType),
        Text("key1", &P::GetSharedKey1, &P::SetSharedKey1, &P::GetSharedKey1Length),
        Text("key2", &P::GetSharedKey2, &P::SetSharedKey2, &P::GetSharedKey2Length),
        Text("key3", &P::GetSharedKey3, &P::SetSharedKey3, &P::GetSharedKey3Length),
        Text("key4", &P::GetSharedKey4, &P::SetSharedKey4, &P::GetSharedKey4Length),
        Number("default", &P::GetDefaultKey, &P::SetDefaultKey),
        {"pp",
         [](const Profile& p) {
             std::string text;
             BOOL hex = p.GetHexEntryPp();
             return (hex ? "hex " : "") + p.GetPassphrase(text, hex) + "/" + std::to_string(p.GetPassphraseLength());
         },
         [](Profile& p, const std::string& value) {
             bool hex = value.compare(0, 4, "hex ") == 0;
             auto phrase = Split(value.substr(hex ? 4 : 0));
             return p.SetPassphrase(phrase.first, phrase.second, hex);
         }},
        Text("leapuser", &P::GetLeapUserName, &P::SetLeapUserName),
        Text("leappw", &P::GetLeapUserPasswd, &P::SetLeapUserPasswd),
        Text("cert", &P::GetCertificate, &P::SetCertificate),
        Text("ca", &P::GetCA, &P::SetCA),
        Text("domain", &P::GetDomainName, &P::SetDomainName),
        Text("login", &P::GetLoginName, &P::SetLoginName),
        Text("advuser", &P::GetAdvancedUserName, &P::SetAdvancedUserName),
        Text("advpw", &P::GetAdvancedPassword, &P::SetAdvancedPassword),
        Text("advcert", &P::GetAdvancedCertificate, &P::SetAdvancedCertificate),
        Number("txpower", &P::GetTransmitPower, &P::SetTransmitPower),
        Number("saving", &P::GetPowerSaving, &P::SetPowerSaving),
    };
    return settings;
}

}  // namespace

std::string DescribeProfile(const CAdapterConfig& profile)
{
    std::string description;
    for (const Setting& setting : Settings())
        description += setting.name + ("=" + setting.get(profile)) + "\n";
    return description;
}

std::string SetProfile(CAdapterConfig& profile, const std::string& settings)
{
    std::istringstream lines(settings);
    std::string refused;
    const std::vector<Setting>& all = Settings();
    for (std::string line; std::getline(lines, line);) {
        std::string name = line.substr(0, line.find('='));
        auto it = std::find_if(all.begin(), all.end(), [&](const Setting& s) { return name == s.name; });
        if (it == all.end() || line.size() == name.size() || !it->set(profile, line.substr(name.size() + 1)))
            refused += (refused.empty() ? "" : " ") + name;
    }
    return refused;
}

std::string PickSettings(const std::string& description, const std::string& names)
{
    std::istringstream wanted(names);
    std::string picked, lines = "\n" + description;
    for (std::string name; std::getline(wanted, name);) {
        name = name.substr(0, name.find('='));
        size_t at = lines.find("\n" + name + "=");
        picked += at == std::string::npos ? name + " missing\n" : lines.substr(at + 1, lines.find('\n', at + 1) - at);
    }
    return picked;
}
