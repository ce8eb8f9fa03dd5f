#include "driver_support.h"

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
