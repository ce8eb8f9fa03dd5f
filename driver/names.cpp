#include "names.h"

std::string NameFault(const std::string& name, size_t longest)
{
    if (name.empty() || name.size() > longest)
        return "holds 1 to " + std::to_string(longest) + " characters, not " + std::to_string(name.size());
    for (char c : name) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return "holds a control character";
    }
    if (name.find('\\') != std::string::npos)
        return "holds a \"\\\"";
    if (name == "." || name == "..")
        return "is \".\" or \"..\"";
    if (name.find_first_not_of(' ') == std::string::npos)
        return "is blanks only";
    return "";
}
