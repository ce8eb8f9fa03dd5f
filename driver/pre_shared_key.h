// The key a WPA network and its stations share: 64 hexadecimal digits, or a
// pass phrase that stands for the key derived from it and the SSID, so that
// a pass phrase and its derived key both open the network.
#pragma once

#include <string>

// PBKDF2 with HMAC-SHA1 (RFC 2898): `size` bytes from `password` and `salt`
// after `rounds` rounds; empty when the crypto provider refuses.
std::string DerivePbkdf2Sha1(const std::string& password, const std::string& salt, unsigned rounds, size_t size);

// The 32-byte pairwise master key that `key` gives on network `ssid`: 64
// hexadecimal digits are the key itself (when `hex` allows them), anything
// else is a pass phrase, derived in 4096 rounds with the SSID as salt.
// Empty for an empty key. Derivations are remembered: a station asks again
// at every association.
std::string PairwiseMasterKey(const std::string& key, bool hex, const std::string& ssid);

// Whether `text` is 64 hexadecimal digits.
bool IsHexPreSharedKey(const std::string& text);
