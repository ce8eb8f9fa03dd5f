#include "dialog_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/user.h"

void PlayWords(HWND dialog, const std::string& script, const std::function<void(const std::string&)>& other)
{
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        size_t mark = std::min(word.find_first_not_of("0123456789"), word.size());
        if (mark == 0 || (mark < word.size() && std::string("=:@#~").find(word[mark]) == std::string::npos)) {
            other ? other(word) : void(ADD_FAILURE() << "no such word: " << word);
            continue;
        }
        int id = std::stoi(word);
        std::string text = word.substr(std::min(mark + 1, word.size()));
        std::replace(text.begin(), text.end(), '_', ' ');
        if (mark == word.size())
            user::Click(dialog, id);
        else if (word[mark] == '=')
            user::Retype(dialog, id, text.empty() ? "\b" : text);
        else if (word[mark] == ':')
            user::Type(dialog, id, text);
        else if (word[mark] == '@')
            SendDlgItemMessageA(dialog, id, EM_SETSEL, std::stoi(text), std::stoi(text));
        else if (word[mark] == '#')
            user::ChooseItem(dialog, id, std::stoi(text));
        else
            user::ChooseItem(dialog, id, SendDlgItemMessageA(dialog, id, CB_FINDSTRINGEXACT, -1,
                                                             reinterpret_cast<LPARAM>(text.c_str())));
    }
}
