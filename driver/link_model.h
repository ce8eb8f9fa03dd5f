// The card's live link, computed from the settings in effect, the simulated
// radio world and the radio switch. Pure and deterministic: no store, and a
// seeded generator for the signal's movement.
//
// Rules:
// - Access-point profile: an access point fits when its SSID equals one of
//   the profile's names (names 2 and 3 only with a name capacity of 3; no
//   names at all means any network), it is not ad hoc, its band is in the
//   profile's mode and the card's radio (a 'g' point serves 802.11b clients
//   at b rates when g is missing) and its security is the profile's kind.
//   The strongest fitting point wins; once on it, the card stays until it
//   vanishes or stops fitting.
// - Security kinds: off "open"; static keys "wep", with WPA "wpa-psk"; an
//   EAP method "8021x", with WPA "wpa". WEP needs the card's WEP capability,
//   802.1x its 802.1x capability, the WPA kinds its WPA support.
// - Peer to peer needs name 1. It joins a fitting ad-hoc network, else it
//   starts its own on the start band (or, when that band is not allowed,
//   g, b, a in that order), channel 6 (legal in every domain) or 36 for a.
//   Country codes "WW" and "NA" allow 802.11b only.
//   When the stations of a joined network leave, the card carries it on.
// - Restart: infrastructure shows Not Joined (scanning), then one Step to
//   Authenticated and one to Associated; peer to peer shows Joined not
//   final, then Joined final. A lost network, or power back, is a new
//   search.
// - Credentials: a point that refuses the profile's key or credentials
//   (credential_check.h) shows Authenticated until its handshake times
//   out a few Steps later; the card then scans on without it, trying the
//   next fitting point, and tries it again at the next Restart or once the
//   point changes. An associated point that starts refusing drops the
//   card. The reason stays as the last failure until the card associates.
//   A new model passes over refusing points at once, recording why.
//   Peer to peer joins only a network that takes its key. A new model settles on its first Step, as the applet opening
//   on a running card sees it. No radio: everything 0. No card: the same,
//   but the state is Unknown, as no card answers.
// - Signal: a random walk of at most 2 per Step within 5 of the network's
//   configured signal (own network 80); quality 6 to 12 below it. Rates
//   follow the signal on the band in use, receive a little apart.
// - Encryption: WEP keys WEP; LEAP CKIP, other 802.1x dynamic WEP; the
//   WPA kinds the network's cipher (TKIP while none is known).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "card_state.h"
#include "credential_check.h"
#include "profile_settings.h"

enum LinkState : DWORD { kNotJoined = 0, kJoined = 1, kAuthenticated = 2, kAssociated = 3, kUnknown = 4 };
enum LinkBand : DWORD { kBandA = 0, kBandB = 1, kBandG = 2 };
enum Encryption : DWORD { kCipherNone = 0, kCipherWep = 1, kCipherAes = 2, kCipherCkip = 4, kCipherTkip = 5 };

// Bits of a wireless mode and of the card's radio capabilities.
const DWORD kModeA = 1;
const DWORD kModeB = 4;
const DWORD kModeG = 8;

// What the Status page reads.
struct LinkStatus {
    DWORD state = kNotJoined;
    bool joinFinal = false;
    std::string linkName;
    int txRate = 0;
    int rxRate = 0;
    DWORD band = kBandA;
    int channel = 0;
    int linkQuality = 0;
    int signal = 0;
    DWORD encryption = kCipherNone;
    // Why the last attempt to associate failed: "Office: wrong pre-shared
    // key"; "" once the card associates or joins.
    std::string failure;
};

// The world one Step or Restart sees.
struct LinkInputs {
    ProfileSettings settings;
    SimulatedCard card;
    CardState cardState;
    CertificateFacts certificates;  // of the certificates the settings name
};

// The security kind of a profile, spelled as access points spell theirs.
std::string SecurityKind(const ProfileSettings& settings);
// Whether `point` fits an access-point profile (or, for ad-hoc points, a
// peer-to-peer one); `band` receives the band it would be used on.
bool PointFits(const AccessPoint& point, const LinkInputs& inputs, DWORD& band);
// The rate for a signal on a band, megabits per second (5 for 5.5).
int RateFor(DWORD band, int signal);

class LinkModel {
public:
    explicit LinkModel(unsigned seed = 0x5EEDu);

    // One Refresh: the link moves on by one step.
    void Step(const LinkInputs& inputs);
    // A new association: after Apply, Rescan, radio on or a new profile.
    void Restart(const LinkInputs& inputs);

    const LinkStatus& Status() const { return status_; }

private:
    enum class Phase { Fresh, Off, Searching, Authenticated, Associated, Joining, Joined };

    // Moves to a fitting network at once (or searches); `settled` skips
    // the intermediate states.
    void Search(const LinkInputs& inputs, bool settled);
    // The strongest fitting point not refused yet; `accepting` also asks
    // that it take the profile's credentials.
    bool FindBest(const LinkInputs& inputs, AccessPoint& point, DWORD& band, bool accepting = false) const;
    bool Refused(const AccessPoint& point) const;
    void Attempt(const AccessPoint& point, DWORD band, const LinkInputs& inputs);
    void WaitForHandshake(const LinkInputs& inputs);
    void LeaveNetwork();
    bool CurrentStillFits(const LinkInputs& inputs);
    void StartOrJoinAdHoc(const LinkInputs& inputs);
    void Take(const AccessPoint& point, DWORD band);
    void EnterNetwork(int baseSignal, bool resetWalk);
    void Walk();
    void Publish(const LinkInputs& inputs);
    int Random(int low, int high);

    unsigned seed_;
    Phase phase_ = Phase::Fresh;

    // The point being authenticated with, why it will refuse ("" when it
    // will not), the Steps until its handshake times out, the points
    // refused since the last search and the last failure.
    AccessPoint attempt_;
    std::string fault_;
    int handshakeLeft_ = 0;
    std::vector<AccessPoint> refused_;
    std::string failure_;

    // The network the card is on (or authenticating with).
    std::string ssid_;
    DWORD band_ = kBandB;
    int channel_ = 0;
    std::string cipher_;
    bool ownNetwork_ = false;

    int baseSignal_ = 0;
    int signal_ = 0;
    int qualityGap_ = 8;
    int rxOffset_ = 0;

    LinkStatus status_;
};
