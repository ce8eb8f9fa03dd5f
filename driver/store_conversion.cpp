#include "store_conversion.h"

#include <algorithm>

#include "card_state.h"
#include "profile_list.h"
#include "profile_record.h"
#include "store.h"

namespace {

const char kCommitted[] = "Committed";

// The committed version's settings, keys and passwords sealed; false when
// no version was ever committed.
bool ReadVersion(const RegistryKey& key, ProfileSettings& settings, RegistryKey& version)
{
    std::string committed = key.ReadString(kCommitted);
    if (committed.empty())
        return false;
    version = key.OpenChild(committed);
    if (!version.IsOpen())
        return false;
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        const SettingField& field = kSettingFields[i];
        if (field.kind == SettingKind::Number)
            settings.*field.number = version.ReadDword(field.name, settings.*field.number);
        else if (field.kind == SettingKind::Text)
            settings.*field.text = version.ReadString(field.name);
        else
            settings.*field.text = version.ReadBinary(field.name);
    }
    return true;
}

bool ConvertList(const RegistryKey& list)
{
    std::vector<std::string> order = ReadProfileOrder(list);
    for (const std::string& id : list.ChildNames()) {
        ProfileSettings settings;
        RegistryKey version;
        // A key no order names was left by a writer that died before
        // listing it: nobody ever saw it.
        bool listed = std::find(order.begin(), order.end(), id) != order.end();
        if (listed && ReadVersion(list.OpenChild(id), settings, version) &&
            !WriteProfileRecord(list, id, settings, Secrets::Sealed))
            return false;
        list.DeleteChild(id);
    }
    return true;
}

bool ConvertApplied(const RegistryKey& card)
{
    ProfileSettings settings;
    RegistryKey version;
    if (ReadVersion(card.OpenChild(kAppliedKey), settings, version)) {
        RecordTexts texts = {{kAppliedLocation, version.ReadString(kAppliedLocation)},
                             {kAppliedGeneration, std::to_string(version.ReadDword(kAppliedGeneration, 0))}};
        if (!WriteProfileRecord(card, kAppliedKey, settings, Secrets::Sealed, texts))
            return false;
    }
    card.DeleteChild(kAppliedKey);
    return true;
}

}  // namespace

bool ConvertVersionedRecords(const RegistryKey& root)
{
    return ConvertList(root.OpenChild(kProfilesKey)) && ConvertList(root.OpenChild(kProvisionedKey)) &&
           ConvertApplied(root.OpenChild(kCardKey));
}
