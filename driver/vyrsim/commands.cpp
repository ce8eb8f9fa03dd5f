#include "commands.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "driver/store_root.h"

namespace {

const char kStatusHelp[] = R"(Shows the card as its store describes it and as the library reports it:
presence, radio (and the record kept for Windows NT 4.0), the Wireless
Zero Configuration mode and the library's answer, the configuration claim,
capabilities, the administrator profile in temporary use, the multiple
configurations and their recorded members, the stored selection, the
profile in effect, the live link as a new reader of the card sees it, why
the card's last attempt to associate failed, and the access points with
what they check (keys and passwords masked).
)";

const char kCardHelp[] = R"(  present   the card sits in its slot (the default)
  absent    the card was taken out: the library reports no adapter, no link

An inserted card starts again: its stored selection goes into effect and
its radio comes up as the record kept for Windows NT 4.0 says. A running
applet notices at its next Refresh.
)";

const char kRadioHelp[] = R"(Switches the card's radio, as the user's radio switch would. While it is
off the card has no link.
)";

const char kLinkHelp[] = R"(Forces readings of the live link on the library, as a driver in an unusual
state reports them; the readings not named stay live. Each option takes a
whole number from -999 to 999, or "live" to stop forcing that reading:
  --state N          0 Not Joined, 1 Joined, 2 Authenticated, 3 Associated,
                     4 Unknown; other codes are possible
  --join-final N     nonzero: a peer-to-peer join is final
  --tx N, --rx N     transmit and receive rate, megabits per second
  --band N           0 802.11a, 1 802.11b, 2 802.11g
  --channel N
  --quality N        link quality, percent
  --signal N         signal strength, percent
  --encryption N     0 none, 1 WEP, 2 AES, 3 AES, 4 CKIP, 5 TKIP
  --name TEXT        the network's name (at most 32 characters)
  --clear            the live link again for every reading
Without options, shows what is forced. A running applet shows a change at
its next Refresh.
)";

const char kZeroConfigHelp[] = R"(What the library answers when asked whether Windows' Wireless Zero
Configuration service manages the card:
  service   ask the Service Control Manager about WZCSVC (the default)
  on        answer 1: the service manages the card
  off       answer 0: it does not
  error     answer -1: the service cannot be queried
)";

const char kClaimHelp[] = R"(  other [SESSION]   another logon session holds the configuration claim;
                    SESSION is its id: a number from 1 to 65535 other than
                    this session's (default: this session's id + 1)
  none              no other session holds it

While another session holds the claim the library refuses it to this one.
Processes of this session claim through a named mutex; status shows whether
one holds it now.
)";

const char kAccessPointHelp[] = R"(The access points (and ad-hoc networks) the card can hear. ap add and
ap set take these options:
  --band a|b|g        the band (default g; a g point also serves 802.11b)
  --channel N         a: 36-64, 100-140 or 149-165 in steps of 4; b and g:
                      1-14 (default 36 for a, 6 otherwise)
  --signal 0-100      signal strength in percent (default 70)
  --security open|wep|wpa-psk|8021x|wpa
                      what a profile needs to join (default open)
  --cipher tkip|aes   the cipher of wpa-psk and wpa (default tkip)
  --adhoc             a peer-to-peer network instead of an access point
  --infrastructure    an access point (the default)
What the network checks of a station ("none" or "any" drops a check; a
point checks only what it names, so a point without them takes any key):
  --wep-key [N:]KEY   wep: the key in use, 10, 26 or 32 hexadecimal digits
                      (64-, 128- or 152-bit), and its index N, 1-4
                      (default 1); a station must send with it as its
                      default key
  --psk KEY           wpa-psk: a pass phrase of 8 to 63 characters or 64
                      hexadecimal digits; a pass phrase and the key derived
                      from it with the SSID both fit
  --eap leap|peap|ttls|tls
                      8021x and wpa: the one EAP method accepted
  --users NAME[:PASSWORD],...
                      8021x and wpa: the users accepted; LEAP, PEAP and TTLS
                      users have passwords, TLS users are the subject or
                      principal name (user@domain) of their certificate
  --ca ID             8021x and wpa: the root certificate of ROOT (vyrsim
                      cert list ROOT) that the server's certificate comes
                      from; a profile that requires another is refused

ap list shows what each point checks, keys and passwords as ********;
--show-secrets shows them. A profile refused by a point goes through
Scanning and Authenticated and back to Scanning when the handshake times
out (three refreshes); it tries again at Rescan, when its settings or the
point change. status shows why the last attempt failed.

SSIDs hold 1 to 32 characters and no "\"; they are unique ignoring case.
ap set changes only what its options name; a new band without --channel
keeps the channel if the band allows it, else takes the band's default.
)";

const char kCapsHelp[] = R"(Without options, shows the card's capabilities; with options, changes them.
  --a on|off        the 802.11a radio
  --g on|off        the 802.11g radio (802.11b is always there)
  --names 1|3       how many network names a profile can use
  --wpa on|off      whether the driver supports WPA
  --country XX      the country code: two uppercase letters (WW and NA
                    allow only 802.11b for peer-to-peer networks)
)";

const char kAdminProfileHelp[] = R"(Records NAME (1 to 32 characters) as the administrator profile that a user
who is not an administrator put into effect temporarily; --clear records
none.
)";

const char kMultiConfigHelp[] = R"(Records the names of the multiple configurations deployed on the machine,
replacing the list; --clear empties it. Profiles named NAME_something belong
to configuration NAME. A name is 1 to 31 characters without "_" or "\", and
appears once. The library reads the names when a PAvailableAdapters object
is made.
)";

const char kProvisionHelp[] = R"(Adds a profile to the provisioned profiles: those an administrator set up
for every user of the machine. Settings not named here keep their defaults.
  --ssid SSID         its network name (at most 32 characters; default: any
                      network)
  --security open|wep|wpa-psk
                      default open
  --key KEY           wep: 10, 26 or 32 hexadecimal digits (64-, 128- or
                      152-bit); wpa-psk: a pass phrase of 8 to 63 characters
                      or 64 hexadecimal digits
  --adhoc             a peer-to-peer network (needs --ssid)

NAME holds 1 to 32 characters, no "\", and no profile of either array has
it (ignoring case). The library reads the profiles when its configurator is
first made: the profile shows when the applet next opens.
)";

const char kUnprovisionHelp[] = R"(Removes the provisioned profile NAME (ignoring case). When it was the
stored selection, the first of the user's profiles becomes the selection,
as when the library deletes a profile. The applet shows the change when it
next opens.
)";

const char kCertificateHelp[] = R"(  add USER@DOMAIN   makes a self-signed certificate for USER@DOMAIN (printable
                    ASCII, no blanks) with a key pair of its own in the
                    current user's "MY" store, for EAP-TLS; prints its
                    identifier
  list [MY|ROOT]    a store's certificates (default MY): identifier and
                    display name
  remove ID         removes the certificate ID (40 hexadecimal digits) from
                    "MY", with its key pair if vyrsim made it

Certificates live in the user's system stores, not in the card's store:
reset leaves them.
)";

const char kProfilesHelp[] = R"(Lists the profiles of both arrays in order (the user's own, then the
provisioned ones), each with every stored setting under its registry value
name, as the store holds it. Marks the stored selection and the profile in
effect. Secrets show as ******** when set and (none) when empty;
--show-secrets shows them.
)";

const char kResetHelp[] = R"(Replaces everything in the card's store with the embedded default: the
profile "Default" selected and in effect, the open access point VyrLink,
the WPA-PSK access point VyrSecure (pass phrase "vyrsecurehome"), the
card present with its radio on. Certificates stay.
)";

const char kHelpHelp[] = R"(Lists the commands, or shows how to use COMMAND. "vyrsim COMMAND --help"
does the same.
)";

}  // namespace

const std::vector<Command>& CommandTable()
{
    static const std::vector<Command> table = {
        {"status", {{"status", "show everything about the card"}}, kStatusHelp, RunStatus},
        {"card", {{"card present|absent", "insert or remove the card"}}, kCardHelp, RunCard},
        {"radio", {{"radio on|off", "switch the card's radio"}}, kRadioHelp, RunRadio},
        {"link",
         {{"link [OPTIONS]", "force readings of the live link"}, {"link --clear", "report the live link again"}},
         kLinkHelp,
         RunLink},
        {"zeroconfig",
         {{"zeroconfig service|on|off|error", "set the Wireless Zero Configuration answer"}},
         kZeroConfigHelp,
         RunZeroConfig},
        {"claim",
         {{"claim other [SESSION]", "let another logon session hold the configuration"},
          {"claim none", "let no other session hold it"}},
         kClaimHelp,
         RunClaim},
        {"ap",
         {{"ap add SSID [OPTIONS]", "add an access point"},
          {"ap set SSID OPTIONS", "change an access point"},
          {"ap remove SSID", "remove an access point"},
          {"ap list [--show-secrets]", "list the access points and what they check"}},
         kAccessPointHelp,
         RunAccessPoint},
        {"caps", {{"caps [OPTIONS]", "show or change the card's capabilities"}}, kCapsHelp, RunCaps},
        {"admin-profile",
         {{"admin-profile NAME|--clear", "set the administrator profile in temporary use"}},
         kAdminProfileHelp,
         RunAdminProfile},
        {"multiconfig",
         {{"multiconfig NAME...|--clear", "set the multiple configurations deployed"}},
         kMultiConfigHelp,
         RunMultiConfig},
        {"provision", {{"provision NAME [OPTIONS]", "add a provisioned profile"}}, kProvisionHelp, RunProvision},
        {"unprovision", {{"unprovision NAME", "remove a provisioned profile"}}, kUnprovisionHelp, RunUnprovision},
        {"cert",
         {{"cert add USER@DOMAIN", "make a user certificate"},
          {"cert list [MY|ROOT]", "list a certificate store"},
          {"cert remove ID", "remove a user certificate"}},
         kCertificateHelp,
         RunCertificate},
        {"profiles",
         {{"profiles [--show-secrets]", "show every stored profile with all its settings"}},
         kProfilesHelp,
         RunProfiles},
        {"reset", {{"reset", "put the default store back"}}, kResetHelp, RunReset},
        {"help", {{"help [COMMAND]", "show this list or a command's usage"}}, kHelpHelp, RunHelp},
    };
    return table;
}

const Command* FindCommand(const std::string& name)
{
    for (const Command& command : CommandTable()) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

void PrintOverview()
{
    printf("vyrsim: control of the simulated Vyr 11a/b/g Wireless LAN card.\n\n");
    printf("Usage: vyrsim COMMAND [ARGUMENTS]\n\nCommands:\n");
    size_t width = 0;
    for (const Command& command : CommandTable()) {
        for (const CommandForm& form : command.forms)
            width = std::max(width, strlen(form.synopsis));
    }
    for (const Command& command : CommandTable()) {
        for (const CommandForm& form : command.forms)
            printf("  %-*s  %s\n", static_cast<int>(width), form.synopsis, form.summary);
    }
    printf("\nThe card's store: HKEY_CURRENT_USER\\%s (the variable VYR80211_STORE\n"
           "names another key: an empty or new one, or a store of the card; any\n"
           "other key is left alone and the library reports no card). A running\n"
           "applet sees a change at its next Refresh.\n"
           "Names (SSIDs, profiles, multiple configurations) hold 1 to 32 characters\n"
           "and no control character or \"\\\", and are not \".\", \"..\" or blanks\n"
           "only. vyrsim reads and writes them in the ANSI code page, and switches a\n"
           "console to it while it runs.\n"
           "Exit codes: 0 done, 1 failed, 2 bad arguments.\n"
           "\"vyrsim help COMMAND\" shows a command's options.\n",
           StoreRootPath().c_str());
}

void PrintCommandHelp(const Command& command)
{
    printf("Usage:\n");
    for (const CommandForm& form : command.forms)
        printf("  vyrsim %s\n", form.synopsis);
    printf("\n%s", command.details);
}

int RunHelp(Arguments& args)
{
    args.ParseOptions({});
    if (!args.HasMore()) {
        PrintOverview();
        return 0;
    }
    std::string name = args.Take("COMMAND");
    args.ExpectNoMore();
    const Command* command = FindCommand(name);
    if (!command)
        throw UsageError{"no command is called " + Quoted(name), ""};
    PrintCommandHelp(*command);
    return 0;
}
