#include "profile_label.h"

#include "driver/80211api.h"
#include "framework/strings.h"

namespace {

const int kLongestShownName = 20;

// The first `count` characters (not bytes) of a name in the ANSI code page.
std::string FirstCharacters(const std::string& name, int count)
{
    const char* end = name.c_str();
    for (int i = 0; i < count && *end; ++i)
        end = CharNextA(end);
    return std::string(name.c_str(), end);
}

}  // namespace

std::string ProfileLabel(UINT prefixId, const CAdapterConfig* profile)
{
    std::string label = LoadResString(prefixId);
    if (profile) {
        std::string name;
        profile->GetName(name);
        std::string shown = FirstCharacters(name, kLongestShownName);
        label += shown.size() < name.size() ? shown + "..." : name;
    }
    return label;
}
