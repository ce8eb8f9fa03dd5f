// What an access point checks of a station, as ap add and ap set take it
// and ap list and status show it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arguments.h"
#include "driver/card_state.h"

// Options not given stay unset; "none" (or "any") empties a credential.
struct CredentialChanges {
    std::optional<DWORD> wepKeyIndex;
    std::optional<std::string> wepKey;
    std::optional<std::string> preSharedKey;
    std::optional<std::string> eapMethod;
    std::optional<std::vector<EapUser>> users;
    std::optional<std::string> authority;

    bool Any() const { return wepKey || preSharedKey || eapMethod || users || authority; }
};

// --wep-key, --psk, --eap, --users and --ca; a malformed value is a usage
// error.
CredentialChanges ReadCredentialChanges(const Arguments& args);
// A credential the point's security does not use, or users without the
// passwords their method needs, are usage errors; an authority that "ROOT"
// does not hold is refused.
void ApplyCredentialChanges(const Arguments& args, const CredentialChanges& changes, AccessPoint& point);

// One line of what `point` checks, secrets masked unless asked; "" when it
// checks nothing.
std::string CredentialSummary(const AccessPoint& point, bool showSecrets);
