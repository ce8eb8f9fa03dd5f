#include "profile_record.h"

#include <stdlib.h>

#include "secret.h"
#include "store_lock.h"

namespace {

const char kCommitted[] = "Committed";
// Held by a writer while it deletes versions, and by a reader that could
// not get a whole version without it.
const char kRecordLock[] = "ProfileRecord";
const int kQuickAttempts = 3;

// Unique to the writer, so that two processes storing the same profile at
// once never write into one version: the later commit wins whole.
std::string NewVersionName()
{
    static DWORD written = 0;
    return "v" + std::to_string(GetCurrentProcessId()) + "." + std::to_string(GetTickCount()) + "." +
           std::to_string(++written);
}

// A version that no running writer may still be filling: this process's
// own, or one whose writer has ended.
bool IsAbandoned(const std::string& versionName)
{
    DWORD writer = strtoul(versionName.c_str() + 1, nullptr, 10);
    if (writer == GetCurrentProcessId())
        return true;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, writer);
    if (!process)
        return true;
    bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
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

void ReadField(const RegistryKey& version, const SettingField& field, ProfileSettings& settings, Secrets secrets)
{
    switch (field.kind) {
    case SettingKind::Number:
        settings.*field.number = version.ReadDword(field.name, settings.*field.number);
        break;
    case SettingKind::Text:
        settings.*field.text = version.ReadString(field.name);
        break;
    case SettingKind::Secret:
        settings.*field.text = secrets == Secrets::Opened ? OpenSecret(version.ReadBinary(field.name))
                                                          : version.ReadBinary(field.name);
        break;
    }
}

enum class VersionRead { Whole, Torn, None };

// A writer deletes the version it replaced as soon as it has committed its
// own, and a reader still in it then fails. A version once committed never
// changes, so a read without a failure is whole.
VersionRead ReadCommittedVersion(const RegistryKey& key, ProfileSettings& settings,
                                 const std::function<void(const RegistryKey& version)>& extra, Secrets secrets)
{
    std::string committed = key.ReadString(kCommitted);
    if (committed.empty())
        return VersionRead::None;
    RegistryKey version = key.OpenChild(committed);
    if (!version.IsOpen())
        return VersionRead::Torn;
    ProfileSettings read;
    for (size_t i = 0; i < kSettingFieldCount; ++i)
        ReadField(version, kSettingFields[i], read, secrets);
    if (extra)
        extra(version);
    if (version.ReadError() != ERROR_SUCCESS)
        return VersionRead::Torn;
    settings = read;
    return VersionRead::Whole;
}

}  // namespace

RegistryKey OpenCommittedVersion(const RegistryKey& key)
{
    std::string committed = key.ReadString(kCommitted);
    return committed.empty() ? RegistryKey() : key.OpenChild(committed);
}

bool ReadProfileRecord(const RegistryKey& key, ProfileSettings& settings,
                       const std::function<void(const RegistryKey& version)>& extra, Secrets secrets)
{
    // Without the lock first: a writer that saves now and then costs one
    // more read at most.
    for (int attempt = 0; attempt < kQuickAttempts; ++attempt) {
        switch (ReadCommittedVersion(key, settings, extra, secrets)) {
        case VersionRead::Whole:
            return true;
        case VersionRead::None:
            return false;
        case VersionRead::Torn:
            break;
        }
    }
    // One saving without pause can outrun this reader for ever; under the
    // lock no writer deletes the version being read.
    StoreLock lock(kRecordLock, key);
    return lock.Held() && ReadCommittedVersion(key, settings, extra, secrets) == VersionRead::Whole;
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
    StoreLock lock(kRecordLock, key);
    if (!lock.Held())
        return true;  // the versions left are deleted by the next writer
    // Older versions, and any a writer that died left unfinished; a version
    // another running process is still writing stays, or its commit would
    // name nothing.
    for (const std::string& child : key.ChildNames()) {
        if (child != nextName && IsAbandoned(child))
            key.DeleteChild(child);
    }
    return true;
}
