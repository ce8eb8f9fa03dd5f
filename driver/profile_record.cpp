#include "profile_record.h"

#include "secret.h"

namespace {

const char kMagic[] = "VYR2";
const size_t kMagicSize = 4;
const char kNumber = 'N';
const char kText = 'T';
const char kSealed = 'S';
const char kFurtherText = 'X';

void PutSize(std::string& out, size_t size)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((size >> shift) & 0xFF));
}

DWORD GetSize(const std::string& in, size_t at)
{
    DWORD size = 0;
    for (int i = 3; i >= 0; --i)
        size = (size << 8) | static_cast<unsigned char>(in[at + i]);
    return size;
}

void PutEntry(std::string& out, char kind, const std::string& name, const std::string& data)
{
    out.push_back(kind);
    out.push_back(static_cast<char>(name.size()));
    out += name;
    PutSize(out, data.size());
    out += data;
}

std::string NumberData(DWORD value)
{
    std::string data;
    PutSize(data, value);
    return data;
}

std::string Encode(const ProfileSettings& settings, Secrets secrets, const RecordTexts& texts)
{
    std::string out(kMagic, kMagicSize);
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        const SettingField& field = kSettingFields[i];
        switch (field.kind) {
        case SettingKind::Number:
            PutEntry(out, kNumber, field.name, NumberData(settings.*field.number));
            break;
        case SettingKind::Text:
            PutEntry(out, kText, field.name, settings.*field.text);
            break;
        case SettingKind::Secret:
            PutEntry(out, kSealed, field.name,
                     secrets == Secrets::Sealed ? settings.*field.text : SealSecret(settings.*field.text));
            break;
        }
    }
    for (const auto& text : texts)
        PutEntry(out, kFurtherText, text.first, text.second);
    return out;
}

const SettingField* FieldNamed(const std::string& name)
{
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        if (name == kSettingFields[i].name)
            return &kSettingFields[i];
    }
    return nullptr;
}

void TakeEntry(char kind, const std::string& name, const std::string& data, ProfileSettings& settings,
               RecordTexts& texts)
{
    if (kind == kFurtherText) {
        texts[name] = data;
        return;
    }
    // An entry of another kind than its setting reads as the default, as a
    // registry value of another type did.
    const SettingField* field = FieldNamed(name);
    if (!field)
        return;
    if (field->kind == SettingKind::Number && kind == kNumber && data.size() == 4)
        settings.*field->number = GetSize(data, 0);
    else if ((field->kind == SettingKind::Text && kind == kText) || (field->kind == SettingKind::Secret && kind == kSealed))
        settings.*field->text = data;
}

// Secrets stay sealed. False for anything but a whole record: a value cut
// short or overrun by hand is no record.
bool Decode(const std::string& record, ProfileSettings& settings, RecordTexts& texts)
{
    if (record.size() < kMagicSize || record.compare(0, kMagicSize, kMagic) != 0)
        return false;
    ProfileSettings read;
    RecordTexts readTexts;
    for (size_t at = kMagicSize; at < record.size();) {
        if (record.size() - at < 2)
            return false;
        char kind = record[at];
        size_t nameSize = static_cast<unsigned char>(record[at + 1]);
        at += 2;
        if (record.size() - at < nameSize + 4)
            return false;
        std::string name = record.substr(at, nameSize);
        DWORD dataSize = GetSize(record, at + nameSize);
        at += nameSize + 4;
        if (record.size() - at < dataSize)
            return false;
        TakeEntry(kind, name, record.substr(at, dataSize), read, readTexts);
        at += dataSize;
    }
    settings = read;
    texts = readTexts;
    return true;
}

}  // namespace

bool ReadProfileRecord(const RegistryKey& list, const std::string& id, ProfileSettings& settings, Secrets secrets,
                       RecordTexts* texts)
{
    ProfileSettings read;
    RecordTexts readTexts;
    if (!Decode(list.ReadBinary(id.c_str()), read, readTexts))
        return false;
    if (secrets == Secrets::Opened)
        OpenRecordSecrets(read);
    settings = read;
    if (texts)
        *texts = readTexts;
    return true;
}

bool WriteProfileRecord(const RegistryKey& list, const std::string& id, const ProfileSettings& settings,
                        Secrets secrets, const RecordTexts& texts)
{
    return list.WriteBinary(id.c_str(), Encode(settings, secrets, texts));
}

void OpenRecordSecrets(ProfileSettings& settings)
{
    for (size_t i = 0; i < kSettingFieldCount; ++i) {
        const SettingField& field = kSettingFields[i];
        if (field.kind == SettingKind::Secret)
            settings.*field.text = OpenSecret(settings.*field.text);
    }
}
