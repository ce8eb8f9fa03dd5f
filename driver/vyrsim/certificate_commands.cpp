// cert add, list and remove: user certificates in the current user's
// system stores, where the library's CCertificate finds them.
#include <cstdio>

#include "commands.h"
#include "driver/80211api.h"
#include "driver/user_certificate.h"
#include "output.h"

namespace {

const size_t kIdentifierDigits = 40;

// The form CreateUserCertificate takes, checked here so that a malformed
// argument is a usage error rather than a failure.
bool IsUserAtDomain(const std::string& text)
{
    std::string::size_type at = text.find('@');
    if (at == std::string::npos || at == 0 || at + 1 == text.size() || text.find('@', at + 1) != std::string::npos)
        return false;
    for (char c : text) {
        if (c <= ' ' || c > '~')
            return false;
    }
    return true;
}

bool IsIdentifier(const std::string& text)
{
    if (text.size() != kIdentifierDigits)
        return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}

std::string AsciiUpper(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

int Add(Arguments& args)
{
    args.ParseOptions({});
    std::string user = args.Take("USER@DOMAIN");
    args.ExpectNoMore();
    if (!IsUserAtDomain(user))
        args.Usage(Quoted(user) + " is not USER@DOMAIN (printable ASCII without blanks, one \"@\")");
    std::string identifier;
    std::string error;
    if (!CreateUserCertificate(user, identifier, error))
        throw Failure{"cannot make a certificate for " + user + ": " + error};
    printf("Certificate for %s: %s\n", user.c_str(), identifier.c_str());
    return 0;
}

int List(Arguments& args)
{
    args.ParseOptions({});
    std::string store = args.HasMore() ? AsciiUpper(args.Take("MY or ROOT")) : "MY";
    args.ExpectNoMore();
    ParseChoice(args, store, {"MY", "ROOT"}, "the certificate store");
    std::vector<std::string> names;
    std::vector<std::string> identifiers;
    CCertificate certificates;
    int count = certificates.EnumerateCertificates(names, identifiers, store.c_str());
    if (count < 0)
        throw Failure{"cannot open the current user's certificate store " + store};
    PrintHeading("Certificates in " + store + ": " + std::to_string(count));
    if (count == 0)
        return 0;
    std::vector<std::vector<std::string>> rows = {{"identifier", "name"}};
    for (size_t i = 0; i < identifiers.size(); ++i)
        rows.push_back({identifiers[i], names[i]});
    PrintTable(rows);
    return 0;
}

int Remove(Arguments& args)
{
    args.ParseOptions({});
    std::string identifier = args.Take("ID");
    args.ExpectNoMore();
    if (!IsIdentifier(identifier))
        args.Usage("ID must be 40 hexadecimal digits, not " + Quoted(identifier));
    if (!DeleteUserCertificate(identifier))
        throw Failure{"the store MY holds no certificate " + identifier};
    printf("Removed certificate %s.\n", AsciiUpper(identifier).c_str());
    return 0;
}

}  // namespace

int RunCertificate(Arguments& args)
{
    std::vector<std::string> words = args.TakeRest();
    if (words.empty())
        args.Usage("missing add, list or remove");
    std::string action = ParseChoice(args, words[0], {"add", "list", "remove"}, "the cert action");
    Arguments rest("cert", std::vector<std::string>(words.begin() + 1, words.end()));
    if (action == "add")
        return Add(rest);
    if (action == "list")
        return List(rest);
    return Remove(rest);
}
