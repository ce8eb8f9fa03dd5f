// The status singleton: the card as last read from the store and the live
// link that LinkModel computes from it.
#include "80211api.h"
#include "card_snapshot.h"
#include "card_state.h"
#include "credential_check.h"
#include "link_model.h"
#include "profile_record.h"
#include "store.h"
#include "store_root.h"

namespace {

class DriverStatus : public CDriverStatus {
public:
    DriverStatus()
    {
        Reload();
        model_.Step(inputs_);
        RecordFailure();
    }

    DWORD GetState() const override { return Forced("State", Link().state); }
    std::string GetLinkName() const override
    {
        return inputs_.card.forced.hasLinkName ? inputs_.card.forced.linkName : Link().linkName;
    }
    int GetTxRate() const override { return Forced("TxRate", Link().txRate); }
    int GetRxRate() const override { return Forced("RxRate", Link().rxRate); }
    DWORD GetBand() const override { return Forced("Band", Link().band); }
    int GetChannel() const override { return Forced("Channel", Link().channel); }
    int GetLinkQuality() const override { return Forced("LinkQuality", Link().linkQuality); }
    int GetSignalStrength() const override { return Forced("Signal", Link().signal); }
    DWORD GetEncryptionType() const override { return Forced("Encryption", Link().encryption); }
    BOOL IsJoinFinal() const override { return Forced("JoinFinal", Link().joinFinal); }

    BOOL EnableRadio() override { return SwitchRadio(true); }
    BOOL DisableRadio() override { return SwitchRadio(false); }

    BOOL Rescan() override
    {
        Reload();
        if (!inputs_.card.present || !inputs_.cardState.radioOn)
            return FALSE;
        // A new attempt sees certificates added or removed since.
        inputs_.certificates = ReadCertificateFacts(inputs_.settings);
        model_.Restart(inputs_);
        RecordFailure();
        return TRUE;
    }

    BOOL Refresh() override
    {
        if (Reload())
            model_.Restart(inputs_);
        else
            model_.Step(inputs_);
        RecordFailure();
        return TRUE;
    }

    BOOL IsRadioEnabled() const override { return inputs_.cardState.radioOn; }
    BOOL IsAdapterPresent() const override { return inputs_.card.present; }
    std::string GetDriverVersion() const override { return inputs_.card.driverVersion; }
    std::string GetMacAddress() const override { return inputs_.card.macAddress; }
    DWORD GetCountryCode() const override { return inputs_.card.countryCode; }
    UINT GetNetworkNameCapacity() const override { return inputs_.card.nameCapacity; }
    BOOL GetCapabilities(DWORD& radio, DWORD& security) const override
    {
        radio = inputs_.card.radioCapabilities;
        security = inputs_.card.securityCapabilities;
        return TRUE;
    }
    BOOL GetWpaSupport() const override { return SupportsWpa(inputs_.card); }

private:
    const LinkStatus& Link() const { return model_.Status(); }

    // Without settings in effect, the driver's own defaults.
    static const AppliedProfile& InEffect(const CardSnapshot& snapshot)
    {
        static const AppliedProfile defaults;
        return snapshot.hasApplied ? snapshot.applied : defaults;
    }

    // A forced reading where vyrsim set one, else the live link's.
    template <class T>
    T Forced(const char* name, T live) const
    {
        auto forced = inputs_.card.forced.numbers.find(name);
        return forced == inputs_.card.forced.numbers.end() ? live : static_cast<T>(forced->second);
    }

    // Takes the card, the radio and the settings in effect as the store
    // holds them now. True when the card must associate anew: someone
    // applied a profile, or the settings in effect changed under it. Another
    // store root is another card, whose link is seen as it already runs.
    bool Reload()
    {
        std::string root = StoreRootPath();
        std::shared_ptr<const CardSnapshot> snapshot = CurrentCardSnapshot();
        // Nothing written since the last read: the card, the radio and the
        // settings in effect are as they were read.
        if (root == root_ && snapshot == snapshot_)
            return false;
        std::shared_ptr<const CardSnapshot> before = snapshot_;  // none at the first read
        snapshot_ = snapshot;
        inputs_.card = snapshot->card;
        inputs_.cardState = snapshot->state;
        recordedFailure_ = snapshot->linkFailure;
        const AppliedProfile& applied = InEffect(*snapshot);
        bool changed = !before || !SameSettings(applied.settings, InEffect(*before).settings);
        bool restart = false;
        if (root != root_) {
            root_ = root;
            model_ = LinkModel();
        } else if (before) {
            const AppliedProfile& was = InEffect(*before);
            restart = snapshot->hasApplied != before->hasApplied || applied.generation != was.generation ||
                      applied.location != was.location || changed;
        }
        // Keys and passwords are opened only when the settings changed.
        if (changed) {
            inputs_.settings = applied.settings;
            OpenRecordSecrets(inputs_.settings);
        }
        // Only points of the profile's kind are ever checked against it.
        for (AccessPoint& point : inputs_.card.accessPoints) {
            if (point.security == SecurityKind(inputs_.settings))
                OpenAccessPointSecrets(point);
        }
        inputs_.certificates = ReadCertificateFacts(inputs_.settings);
        return restart;
    }

    // Keeps the model's last failure in the store, where vyrsim shows it;
    // written only when it changes.
    void RecordFailure()
    {
        const std::string& failure = model_.Status().failure;
        if (failure != recordedFailure_ && WriteLinkFailure(OpenStore(root_), failure))
            recordedFailure_ = failure;
    }

    BOOL SwitchRadio(bool on)
    {
        Reload();
        if (!inputs_.card.present)
            return FALSE;
        CardState written;
        bool switched = UpdateCardState(OpenStore(root_), [&](CardState& state) {
            state.radioOn = on;
            written = state;
            return true;
        });
        if (!switched)
            return FALSE;
        inputs_.cardState = written;
        model_.Restart(inputs_);
        RecordFailure();
        return TRUE;
    }

    LinkInputs inputs_;
    LinkModel model_;
    std::shared_ptr<const CardSnapshot> snapshot_;  // the read the inputs come from
    std::string root_ = StoreRootPath();
    std::string recordedFailure_;
};

}  // namespace

CDriverStatus* CVeltoDriverStatus::GetInstance()
{
    static DriverStatus status;
    return &status;
}
