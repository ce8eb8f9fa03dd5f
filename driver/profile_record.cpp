#include "profile_record.h"

#include "secret.h"

namespace {

const char kCommitted[] = "Committed";

// Unique to the writer, so that two processes storing the same profile at
// once never write into one version: the later commit wins whole.
std::string NewVersionName()
{
    static DWORD written = 0;
    return "v" + std::to_string(GetCurrentProcessId()) + "." + std::to_string(GetTickCount()) + "." +
           std::to_string(++written);
}

void WriteField(const RegistryKey& version, const SettingField& field, const ProfileSettings& settings)
{
    switch (field.kind) {
    case SettingKind::Number:
        version.WriteDword(field.name, settings.*field.number);
        break;
    case SettingKind::Text:
        version.WriteString(field.name, settings.*field.text);
        break;
    case SettingKind::Secret:
        version.WriteBinary(field.name, SealSecret(settings.*field.text));
        break;
    }
}

void ReadField(const RegistryKey& version, const SettingField& field, ProfileSettings& settings)
{
    switch (field.kind) {
    case SettingKind::Number:
        settings.*field.number = version.ReadDword(field.name, settings.*field.number);
        break;
    case SettingKind::Text:
        settings.*field.text = version.ReadString(field.name);
        break;
    case SettingKind::Secret:
        settings.*field.text = OpenSecret(version.ReadBinary(field.name));
        break;
    }
}

}  // namespace

RegistryKey OpenCommittedVersion(const RegistryKey& key)
{
    std::string committed = key.ReadString(kCommitted);
    return committed.empty() ? RegistryKey() : key.OpenChild(committed);
}

bool ReadProfileRecord(const RegistryKey& key, ProfileSettings& settings)
{
    RegistryKey version = OpenCommittedVersion(key);
    if (!version.IsOpen())
        return false;
    ProfileSettings read;
    for (size_t i = 0; i < kSettingFieldCount; ++i)
        ReadField(version, kSettingFields[i], read);
    settings = read;
    return true;
}

bool WriteProfileRecord(const RegistryKey& key, const ProfileSettings& settings,
                        const std::function<void(const RegistryKey& version)>& extra)
{
    if (!key.IsOpen())
        return false;
    std::string nextName = NewVersionName();
    {
        RegistryKey version = key.CreateChild(nextName);
        if (!version.IsOpen())
            return false;
        for (size_t i = 0; i < kSettingFieldCount; ++i)
            WriteField(version, kSettingFields[i], settings);
        if (extra)
            extra(version);
    }
    if (!key.WriteString(kCommitted, nextName))
        return false;
    // Older versions, and any a writer that died left unfinished.
    for (const std::string& child : key.ChildNames()) {
        if (child != nextName)
            key.DeleteChild(child);
    }
    return true;
}
