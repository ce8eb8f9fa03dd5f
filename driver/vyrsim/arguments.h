// The words of one vyrsim command: its positional words and its options,
// checked against what the command accepts before anything is touched.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "driver/names.h"

const int kExitFailure = 1;
const int kExitUsage = 2;

// The command line asks for something vyrsim does not do; `topic` is the
// help that explains the command.
struct UsageError {
    std::string message;
    std::string topic;
};

// The request was well formed but the card or its store refused it.
struct Failure {
    std::string message;
};

struct AcceptedOption {
    const char* name;  // with its dashes: "--band"
    bool takesValue;
};

class Arguments {
public:
    // `topic` names the command for error hints.
    Arguments(std::string topic, std::vector<std::string> words);

    const std::string& Topic() const { return topic_; }
    [[noreturn]] void Usage(const std::string& message) const;

    // Splits the words into positional words and the options of `accepted`;
    // an unknown option, a missing value or a repeated option is an error.
    void ParseOptions(std::initializer_list<AcceptedOption> accepted);

    // Takes the next positional word; `what` names it when it is missing.
    std::string Take(const char* what);
    bool HasMore() const { return next_ < positional_.size(); }
    std::vector<std::string> TakeRest();
    // Every positional word must have been taken.
    void ExpectNoMore() const;

    bool Has(const char* option) const { return options_.count(option) != 0; }
    const std::string& Value(const char* option) const { return options_.at(option); }
    bool AnyOption() const { return !options_.empty(); }

private:
    std::string topic_;
    std::vector<std::string> words_;
    std::vector<std::string> positional_;
    size_t next_ = 0;
    std::map<std::string, std::string> options_;
};

// Checked values: each names `what` (an option or an argument) when the
// text does not fit.
int ParseNumber(const Arguments& args, const std::string& text, int low, int high, const std::string& what);
std::string ParseChoice(const Arguments& args, const std::string& text, std::initializer_list<const char*> choices,
                        const std::string& what);
bool ParseOnOff(const Arguments& args, const std::string& text, const std::string& what);

// A usage error "<what> "<name>" <fault>" unless `name` follows the rule for
// names (driver/names.h).
void CheckName(const Arguments& args, const std::string& name, const std::string& what,
               size_t longest = kLongestCardName);

// The text in quotes, for messages: its first 40 characters followed by
// "..." when it is longer, control characters as \xNN.
std::string Quoted(const std::string& text);
