#include "link_model.h"

#include <algorithm>

namespace {

const int kOwnNetworkSignal = 80;
const int kWalkStep = 2;
const int kWalkReach = 5;
const int kMinQualityGap = 6;
const int kMaxQualityGap = 12;
const int kRxReach = 6;
// Steps a refused handshake shows Authenticated before the card gives up.
const int kHandshakeSteps = 3;

bool SamePoint(const AccessPoint& a, const AccessPoint& b)
{
    bool sameUsers = a.users.size() == b.users.size();
    for (size_t i = 0; sameUsers && i < a.users.size(); ++i)
        sameUsers = a.users[i].name == b.users[i].name && a.users[i].password == b.users[i].password;
    return sameUsers && a.ssid == b.ssid && a.band == b.band && a.channel == b.channel && a.signal == b.signal &&
           a.security == b.security && a.cipher == b.cipher && a.adHoc == b.adHoc &&
           a.wepKeyIndex == b.wepKeyIndex && a.wepKey == b.wepKey && a.preSharedKey == b.preSharedKey &&
           a.eapMethod == b.eapMethod && a.authority == b.authority;
}

DWORD CountryCode(char first, char second)
{
    return (static_cast<DWORD>(first) << 8) | static_cast<DWORD>(second);
}

bool IsPeerToPeer(const ProfileSettings& settings)
{
    return settings.networkType == 0;
}

bool IsLeap(const ProfileSettings& settings)
{
    return settings.eapSelection == 1 || settings.leapEnabled != 0;
}

// Bands the profile may use on this card.
DWORD AllowedBands(const LinkInputs& inputs)
{
    DWORD allowed = inputs.settings.wirelessMode & inputs.card.radioCapabilities;
    if (IsPeerToPeer(inputs.settings)) {
        DWORD country = inputs.card.countryCode;
        if (country == CountryCode('W', 'W') || country == CountryCode('N', 'A'))
            allowed &= kModeB;
    }
    return allowed;
}

// The band a point of `pointBand` is used on, given the allowed bands.
bool BandFor(char pointBand, DWORD allowed, DWORD& band)
{
    switch (pointBand) {
    case 'a':
        band = kBandA;
        return (allowed & kModeA) != 0;
    case 'b':
        band = kBandB;
        return (allowed & kModeB) != 0;
    case 'g':
        // A g point takes 802.11b clients too.
        band = (allowed & kModeG) ? kBandG : kBandB;
        return (allowed & (kModeG | kModeB)) != 0;
    default:
        return false;
    }
}

bool NameFits(const std::string& ssid, const LinkInputs& inputs)
{
    const ProfileSettings& settings = inputs.settings;
    if (IsPeerToPeer(settings))
        return !settings.networkName1.empty() && ssid == settings.networkName1;
    std::string names[3] = {settings.networkName1, "", ""};
    if (inputs.card.nameCapacity >= 3) {
        names[1] = settings.networkName2;
        names[2] = settings.networkName3;
    }
    bool any = true;
    for (const std::string& name : names) {
        if (name.empty())
            continue;
        any = false;
        if (ssid == name)
            return true;
    }
    return any;
}

bool CardSupports(const std::string& kind, const SimulatedCard& card)
{
    if (kind == "open")
        return true;
    if (kind == "wep")
        return (card.securityCapabilities & 1) != 0;
    if (kind == "8021x")
        return (card.securityCapabilities & 4) != 0;
    return SupportsWpa(card);
}

DWORD CipherCode(const std::string& cipher)
{
    return cipher == "aes" ? kCipherAes : kCipherTkip;
}

DWORD EncryptionFor(const ProfileSettings& settings, const std::string& cipher)
{
    std::string kind = SecurityKind(settings);
    if (kind == "wep")
        return kCipherWep;
    if (kind == "8021x")
        return IsLeap(settings) ? kCipherCkip : kCipherWep;
    if (kind == "wpa-psk" || kind == "wpa")
        return CipherCode(cipher);
    return kCipherNone;
}

DWORD StartBandMask(DWORD startBand)
{
    switch (startBand) {
    case 1:
        return kModeA;
    case 3:
        return kModeG;
    default:
        return kModeB;
    }
}

}  // namespace

std::string SecurityKind(const ProfileSettings& settings)
{
    if (!settings.enableSecurity)
        return "open";
    if (settings.eapSelection == 7)
        return settings.wpa ? "wpa-psk" : "wep";
    return settings.wpa ? "wpa" : "8021x";
}

bool PointFits(const AccessPoint& point, const LinkInputs& inputs, DWORD& band)
{
    return point.adHoc == IsPeerToPeer(inputs.settings) && NameFits(point.ssid, inputs) &&
           BandFor(point.band, AllowedBands(inputs), band) && point.security == SecurityKind(inputs.settings) &&
           CardSupports(point.security, inputs.card);
}

int RateFor(DWORD band, int signal)
{
    if (band == kBandB) {
        static const int kRates[][2] = {{60, 11}, {40, 5}, {20, 2}};
        for (const auto& step : kRates) {
            if (signal >= step[0])
                return step[1];
        }
        return 1;
    }
    static const int kRates[][2] = {{75, 54}, {65, 48}, {55, 36}, {45, 24}, {35, 18}, {25, 12}, {15, 9}};
    for (const auto& step : kRates) {
        if (signal >= step[0])
            return step[1];
    }
    return 6;
}

LinkModel::LinkModel(unsigned seed) : seed_(seed) {}

void LinkModel::Step(const LinkInputs& inputs)
{
    bool powered = inputs.card.present && inputs.cardState.radioOn;
    bool peer = IsPeerToPeer(inputs.settings);
    if (!powered) {
        phase_ = Phase::Off;
    } else if (phase_ == Phase::Fresh) {
        Search(inputs, true);
    } else if (phase_ == Phase::Off) {
        Search(inputs, false);
    } else if (peer != (phase_ == Phase::Joining || phase_ == Phase::Joined) && phase_ != Phase::Searching) {
        // The network type changed under the link.
        Search(inputs, false);
    } else {
        switch (phase_) {
        case Phase::Searching: {
            AccessPoint point;
            DWORD band = kBandB;
            if (peer) {
                Search(inputs, false);
            } else if (FindBest(inputs, point, band)) {
                Attempt(point, band, inputs);
            }
            break;
        }
        case Phase::Authenticated:
            if (!fault_.empty()) {
                WaitForHandshake(inputs);
                break;
            }
            [[fallthrough]];  // the handshake succeeded
        case Phase::Associated:
            if (CurrentStillFits(inputs) && CredentialFault(attempt_, inputs.settings, inputs.certificates).empty()) {
                phase_ = Phase::Associated;
                failure_.clear();
                Walk();
            } else {
                Search(inputs, false);
            }
            break;
        case Phase::Joining:
            StartOrJoinAdHoc(inputs);
            break;
        case Phase::Joined:
            if (inputs.settings.networkName1.empty() || AllowedBands(inputs) == 0) {
                Search(inputs, false);
                break;
            }
            if (!ownNetwork_ && !CurrentStillFits(inputs)) {
                // The other stations left; the card carries the network on.
                ownNetwork_ = true;
                EnterNetwork(kOwnNetworkSignal, false);
            }
            Walk();
            break;
        default:
            break;
        }
    }
    Publish(inputs);
}

void LinkModel::Restart(const LinkInputs& inputs)
{
    if (inputs.card.present && inputs.cardState.radioOn)
        Search(inputs, false);
    else
        phase_ = Phase::Off;
    Publish(inputs);
}

void LinkModel::Search(const LinkInputs& inputs, bool settled)
{
    LeaveNetwork();
    fault_.clear();
    refused_.clear();
    if (IsPeerToPeer(inputs.settings)) {
        if (inputs.settings.networkName1.empty() || AllowedBands(inputs) == 0) {
            phase_ = Phase::Searching;
            return;
        }
        phase_ = Phase::Joining;
        if (settled)
            StartOrJoinAdHoc(inputs);
        return;
    }
    phase_ = Phase::Searching;
    AccessPoint point;
    DWORD band = kBandB;
    while (settled && FindBest(inputs, point, band)) {
        std::string fault = CredentialFault(point, inputs.settings, inputs.certificates);
        if (fault.empty()) {
            Take(point, band);
            attempt_ = point;
            phase_ = Phase::Associated;
            failure_.clear();
            return;
        }
        refused_.push_back(point);
        failure_ = point.ssid + ": " + fault;
    }
}

bool LinkModel::FindBest(const LinkInputs& inputs, AccessPoint& best, DWORD& bestBand, bool accepting) const
{
    bool found = false;
    for (const AccessPoint& point : inputs.card.accessPoints) {
        DWORD band = kBandB;
        if (PointFits(point, inputs, band) && !Refused(point) && (!found || point.signal > best.signal) &&
            (!accepting || CredentialFault(point, inputs.settings, inputs.certificates).empty())) {
            best = point;
            bestBand = band;
            found = true;
        }
    }
    return found;
}

bool LinkModel::Refused(const AccessPoint& point) const
{
    for (const AccessPoint& refused : refused_) {
        if (SamePoint(refused, point))
            return true;
    }
    return false;
}

void LinkModel::Attempt(const AccessPoint& point, DWORD band, const LinkInputs& inputs)
{
    Take(point, band);
    attempt_ = point;
    fault_ = CredentialFault(point, inputs.settings, inputs.certificates);
    handshakeLeft_ = kHandshakeSteps;
    phase_ = Phase::Authenticated;
}

void LinkModel::WaitForHandshake(const LinkInputs& inputs)
{
    if (!CurrentStillFits(inputs)) {
        Search(inputs, false);
        return;
    }
    // A point put right meanwhile lets the card in after all.
    fault_ = CredentialFault(attempt_, inputs.settings, inputs.certificates);
    if (fault_.empty()) {
        phase_ = Phase::Associated;
        failure_.clear();
        Walk();
        return;
    }
    if (--handshakeLeft_ > 0)
        return;
    refused_.push_back(attempt_);
    failure_ = attempt_.ssid + ": " + fault_;
    fault_.clear();
    LeaveNetwork();
    phase_ = Phase::Searching;
}

void LinkModel::LeaveNetwork()
{
    ssid_.clear();
    channel_ = 0;
    cipher_.clear();
    ownNetwork_ = false;
    baseSignal_ = 0;
    signal_ = 0;
}

bool LinkModel::CurrentStillFits(const LinkInputs& inputs)
{
    const AccessPoint* match = nullptr;
    DWORD matchBand = kBandB;
    for (const AccessPoint& point : inputs.card.accessPoints) {
        DWORD band = kBandB;
        if (point.ssid != ssid_ || !PointFits(point, inputs, band))
            continue;
        // Among points of one name, the one on the same channel is this one.
        if (!match || (point.channel == channel_ && match->channel != channel_)) {
            match = &point;
            matchBand = band;
        }
    }
    if (!match)
        return false;
    attempt_ = *match;
    band_ = matchBand;
    channel_ = match->channel;
    cipher_ = match->cipher;
    EnterNetwork(match->signal, false);
    return true;
}

void LinkModel::StartOrJoinAdHoc(const LinkInputs& inputs)
{
    AccessPoint point;
    DWORD band = kBandB;
    if (FindBest(inputs, point, band, true)) {
        Take(point, band);
        failure_.clear();
    } else {
        DWORD allowed = AllowedBands(inputs);
        DWORD mask = StartBandMask(inputs.settings.adHocStartBand);
        if (!(allowed & mask))
            mask = (allowed & kModeG) ? kModeG : (allowed & kModeB) ? kModeB : kModeA;
        ssid_ = inputs.settings.networkName1;
        band_ = mask == kModeA ? kBandA : mask == kModeG ? kBandG : kBandB;
        channel_ = mask == kModeA ? 36 : 6;
        cipher_.clear();
        ownNetwork_ = true;
        EnterNetwork(kOwnNetworkSignal, true);
    }
    phase_ = Phase::Joined;
}

void LinkModel::Take(const AccessPoint& point, DWORD band)
{
    ssid_ = point.ssid;
    band_ = band;
    channel_ = point.channel;
    cipher_ = point.cipher;
    ownNetwork_ = false;
    EnterNetwork(point.signal, true);
}

void LinkModel::EnterNetwork(int baseSignal, bool resetWalk)
{
    baseSignal_ = std::max(0, std::min(100, baseSignal));
    if (resetWalk) {
        signal_ = baseSignal_;
        qualityGap_ = (kMinQualityGap + kMaxQualityGap) / 2;
        rxOffset_ = 0;
    }
    signal_ = std::max(baseSignal_ - kWalkReach, std::min(baseSignal_ + kWalkReach, signal_));
    signal_ = std::max(0, std::min(100, signal_));
}

void LinkModel::Walk()
{
    signal_ += Random(-kWalkStep, kWalkStep);
    qualityGap_ = std::max(kMinQualityGap, std::min(kMaxQualityGap, qualityGap_ + Random(-1, 1)));
    rxOffset_ = std::max(-kRxReach, std::min(kRxReach, rxOffset_ + Random(-3, 3)));
    EnterNetwork(baseSignal_, false);
}

void LinkModel::Publish(const LinkInputs& inputs)
{
    LinkStatus status;
    status.failure = failure_;
    if (phase_ == Phase::Off) {
        if (!inputs.card.present)
            status.state = kUnknown;
        status_ = status;
        return;
    }
    const ProfileSettings& settings = inputs.settings;
    bool onNetwork = phase_ == Phase::Authenticated || phase_ == Phase::Associated || phase_ == Phase::Joined;
    bool carrying = phase_ == Phase::Associated || phase_ == Phase::Joined;
    switch (phase_) {
    case Phase::Authenticated:
        status.state = kAuthenticated;
        break;
    case Phase::Associated:
        status.state = kAssociated;
        break;
    case Phase::Joining:
    case Phase::Joined:
        status.state = kJoined;
        status.joinFinal = phase_ == Phase::Joined;
        break;
    default:
        status.state = kNotJoined;
        break;
    }
    status.linkName = onNetwork ? ssid_ : settings.networkName1;
    status.encryption = EncryptionFor(settings, onNetwork ? cipher_ : std::string());
    if (onNetwork) {
        status.band = band_;
        status.channel = channel_;
        status.signal = signal_;
        status.linkQuality = std::max(0, signal_ - qualityGap_);
    }
    if (carrying) {
        status.txRate = RateFor(band_, signal_);
        status.rxRate = RateFor(band_, std::max(0, std::min(100, signal_ + rxOffset_)));
    }
    status_ = status;
}

int LinkModel::Random(int low, int high)
{
    seed_ = seed_ * 1664525u + 1013904223u;
    return low + static_cast<int>((seed_ >> 16) % static_cast<unsigned>(high - low + 1));
}
