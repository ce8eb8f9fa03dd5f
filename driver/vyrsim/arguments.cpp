#include "arguments.h"

#include <climits>
#include <cstdio>

Arguments::Arguments(std::string topic, std::vector<std::string> words)
    : topic_(std::move(topic)), words_(std::move(words)), positional_(words_)
{
}

void Arguments::Usage(const std::string& message) const
{
    throw UsageError{message, topic_};
}

void Arguments::ParseOptions(std::initializer_list<AcceptedOption> accepted)
{
    positional_.clear();
    options_.clear();
    for (size_t i = 0; i < words_.size(); ++i) {
        const std::string& word = words_[i];
        // A lone "-" or "-x" is a value (an SSID may begin with a dash).
        if (word.compare(0, 2, "--") != 0) {
            positional_.push_back(word);
            continue;
        }
        const AcceptedOption* option = nullptr;
        for (const AcceptedOption& candidate : accepted) {
            if (word == candidate.name)
                option = &candidate;
        }
        if (!option)
            Usage("unknown option " + Quoted(word) + " for " + topic_);
        if (options_.count(word))
            Usage("option " + word + " is given twice");
        std::string value;
        if (option->takesValue) {
            if (i + 1 == words_.size())
                Usage("option " + word + " needs a value");
            value = words_[++i];
        }
        options_[word] = value;
    }
    next_ = 0;
}

std::string Arguments::Take(const char* what)
{
    if (!HasMore())
        Usage(std::string("missing ") + what);
    return positional_[next_++];
}

std::vector<std::string> Arguments::TakeRest()
{
    std::vector<std::string> rest(positional_.begin() + static_cast<std::ptrdiff_t>(next_), positional_.end());
    next_ = positional_.size();
    return rest;
}

void Arguments::ExpectNoMore() const
{
    if (HasMore())
        Usage("unexpected argument " + Quoted(positional_[next_]));
}

int ParseNumber(const Arguments& args, const std::string& text, int low, int high, const std::string& what)
{
    // Digits only, with a minus sign where the range has room for one: no
    // plus sign, blanks or suffix slip through.
    size_t start = low < 0 && !text.empty() && text[0] == '-' ? 1 : 0;
    bool digits = text.size() > start && text.size() <= 9;
    for (size_t i = start; i < text.size(); ++i)
        digits = digits && text[i] >= '0' && text[i] <= '9';
    int value = digits ? std::stoi(text) : INT_MIN;
    if (value < low || value > high)
        args.Usage(what + " must be a number from " + std::to_string(low) + " to " + std::to_string(high) + ", not " +
                   Quoted(text));
    return value;
}

std::string ParseChoice(const Arguments& args, const std::string& text, std::initializer_list<const char*> choices,
                        const std::string& what)
{
    std::string list;
    for (const char* choice : choices) {
        if (text == choice)
            return text;
        list += (list.empty() ? "" : ", ") + std::string(choice);
    }
    args.Usage(what + " must be one of " + list + ", not " + Quoted(text));
}

bool ParseOnOff(const Arguments& args, const std::string& text, const std::string& what)
{
    return ParseChoice(args, text, {"on", "off"}, what) == "on";
}

void CheckName(const Arguments& args, const std::string& name, const std::string& what, size_t longest)
{
    std::string fault = NameFault(name, longest);
    if (!fault.empty())
        args.Usage(what + " " + Quoted(name) + " " + fault);
}

std::string Quoted(const std::string& text)
{
    // A message stays one line of a readable length whatever was typed.
    const size_t kLongestShown = 40;
    std::string shown;
    for (size_t i = 0; i < text.size() && i < kLongestShown; ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        char escaped[8];
        snprintf(escaped, sizeof(escaped), "\\x%02X", byte);
        shown += byte < 0x20 || byte == 0x7F ? std::string(escaped) : std::string(1, text[i]);
    }
    return "\"" + shown + (text.size() > kLongestShown ? "...\"" : "\"");
}
