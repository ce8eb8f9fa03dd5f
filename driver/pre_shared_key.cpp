#include "pre_shared_key.h"

#include "hex_digits.h"

#include <windows.h>
#include <wincrypt.h>

#include <map>
#include <vector>

namespace {

const unsigned kWpaRounds = 4096;
const size_t kMasterKeySize = 32;
const size_t kHexKeyLength = 64;
const DWORD kSha1Size = 20;

// CryptoAPI computes HMAC with a key imported as plain RC2 key material;
// CRYPT_IPSEC_HMAC_KEY lets that key be longer than RC2 allows. Both exist
// on Windows XP, where BCrypt does not.
class HmacSha1 {
public:
    explicit HmacSha1(const std::string& key)
    {
        if (!CryptAcquireContextA(&provider_, nullptr, MS_ENHANCED_PROV_A, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) &&
            !CryptAcquireContextA(&provider_, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) {
            provider_ = 0;
            return;
        }
        struct {
            BLOBHEADER header;
            DWORD size;
        } head = {{PLAINTEXTKEYBLOB, CUR_BLOB_VERSION, 0, CALG_RC2}, static_cast<DWORD>(key.size())};
        std::vector<BYTE> blob(sizeof(head) + key.size());
        memcpy(blob.data(), &head, sizeof(head));
        memcpy(blob.data() + sizeof(head), key.data(), key.size());
        if (!CryptImportKey(provider_, blob.data(), static_cast<DWORD>(blob.size()), 0, CRYPT_IPSEC_HMAC_KEY, &key_))
            key_ = 0;
        SecureZeroMemory(blob.data(), blob.size());
    }
    ~HmacSha1()
    {
        if (key_)
            CryptDestroyKey(key_);
        if (provider_)
            CryptReleaseContext(provider_, 0);
    }
    HmacSha1(const HmacSha1&) = delete;
    HmacSha1& operator=(const HmacSha1&) = delete;

    // False when the provider refuses.
    bool Mac(const BYTE* data, DWORD size, BYTE (&out)[kSha1Size]) const
    {
        HCRYPTHASH hash = 0;
        if (!key_ || !CryptCreateHash(provider_, CALG_HMAC, key_, 0, &hash))
            return false;
        HMAC_INFO info = {};
        info.HashAlgid = CALG_SHA1;
        DWORD outSize = kSha1Size;
        bool done = CryptSetHashParam(hash, HP_HMAC_INFO, reinterpret_cast<BYTE*>(&info), 0) &&
                    CryptHashData(hash, data, size, 0) && CryptGetHashParam(hash, HP_HASHVAL, out, &outSize, 0) &&
                    outSize == kSha1Size;
        CryptDestroyHash(hash);
        return done;
    }

private:
    HCRYPTPROV provider_ = 0;
    HCRYPTKEY key_ = 0;
};

}  // namespace

std::string DerivePbkdf2Sha1(const std::string& password, const std::string& salt, unsigned rounds, size_t size)
{
    HmacSha1 mac(password);
    std::string derived;
    for (DWORD block = 1; derived.size() < size; ++block) {
        std::vector<BYTE> first(salt.begin(), salt.end());
        for (int shift = 24; shift >= 0; shift -= 8)
            first.push_back(static_cast<BYTE>(block >> shift));
        BYTE u[kSha1Size];
        BYTE t[kSha1Size];
        if (!mac.Mac(first.data(), static_cast<DWORD>(first.size()), u))
            return std::string();
        memcpy(t, u, sizeof(t));
        for (unsigned round = 1; round < rounds; ++round) {
            BYTE next[kSha1Size];
            if (!mac.Mac(u, sizeof(u), next))
                return std::string();
            memcpy(u, next, sizeof(u));
            for (DWORD i = 0; i < kSha1Size; ++i)
                t[i] ^= u[i];
        }
        derived.append(reinterpret_cast<const char*>(t), sizeof(t));
    }
    derived.resize(size);
    return derived;
}

bool IsHexPreSharedKey(const std::string& text)
{
    return text.size() == kHexKeyLength && IsHex(text);
}

std::string PairwiseMasterKey(const std::string& key, bool hex, const std::string& ssid)
{
    if (key.empty())
        return std::string();
    if (hex && IsHexPreSharedKey(key)) {
        std::string bytes;
        for (size_t i = 0; i < key.size(); i += 2)
            bytes.push_back(static_cast<char>(HexValue(key[i]) << 4 | HexValue(key[i + 1])));
        return bytes;
    }
    // A few networks and profiles at a time: the cache stays small.
    static std::map<std::pair<std::string, std::string>, std::string> derived;
    auto found = derived.find({key, ssid});
    if (found != derived.end())
        return found->second;
    std::string master = DerivePbkdf2Sha1(key, ssid, kWpaRounds, kMasterKeySize);
    if (derived.size() >= 16)
        derived.clear();
    if (!master.empty())
        derived[{key, ssid}] = master;
    return master;
}
