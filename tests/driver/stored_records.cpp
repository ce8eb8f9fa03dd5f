#include "stored_records.h"

#include <algorithm>

std::vector<std::string> RecordsIn(const RegistryKey& list)
{
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, list.Path().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    char name[256];
    DWORD length = sizeof(name);
    for (DWORD i = 0; RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
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
