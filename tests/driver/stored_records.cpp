#include <algorithm>

#include "driver_support.h"

std::vector<std::string> RecordsIn(const RegistryKey& list)
{
    std::vector<std::string> names;
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, list.Path().c_str(), 0, KEY_READ, &key);
    char name[256];
    for (DWORD i = 0, length = sizeof(name); RegEnumValueA(key, i, name, &length, 0, 0, 0, 0) == ERROR_SUCCESS;
         ++i, length = sizeof(name)) {
        if (std::string(name) != "Order" && std::string(name) != "NextId")
            names.push_back(name);
    }
    RegCloseKey(key);
    std::sort(names.begin(), names.end());
    return names;
}

RegistryKey WriteVersionedRecord(const RegistryKey& key, const ProfileSettings& settings)
{
    RegistryKey version = key.CreateChild("v1");
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        const SettingField& field = kSettingFields[i];
        if (field.kind == SettingKind::Number)
            version.WriteDword(field.name, settings.*field.number);
        else if (field.kind == SettingKind::Text)
            version.WriteString(field.name, settings.*field.text);
        else
            version.WriteBinary(field.name, settings.*field.text);
    }
    key.WriteString("Committed", "v1");
    return version;
}
