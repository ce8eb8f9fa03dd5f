// Message maps as data: each class lists, in a table in its own .cpp, which
// control notification or window message runs which member function, and
// chains to its base class's table.
//
//   const MessageMapBase* CPageConfig::GetMessageMap() const
//   {
//       static const MessageMap<CPageConfig> map(CPropertyPage::GetMessageMap(), {
//           OnCommand(IDC_CONFIG_NEW, BN_CLICKED, &CPageConfig::OnNew),
//           OnNotify(IDC_CONFIG_PROFILE_LIST, LVN_GETDISPINFOA, &CPageConfig::OnGetDispInfo),
//           OnMessage(WM_TIMER, &CPageStatus::OnTimer),
//       });
//       return &map;
//   }
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

class CCmdTarget;

class MessageMapBase {
public:
    virtual ~MessageMapBase() = default;

    // Runs the first matching entry of this table or of a base table.
    // Returns false when no entry matches.
    virtual bool Dispatch(CCmdTarget& target, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) const = 0;
};

template <class T>
struct MessageEntry {
    enum Kind { Command, Notify, Message };
    Kind kind;
    UINT message;  // the window message of a Message entry
    UINT id;       // the control of a Command or Notify entry
    UINT code;     // its notification code
    void (T::*onCommand)();
    LRESULT (T::*onNotify)(NMHDR*);
    LRESULT (T::*onMessage)(WPARAM, LPARAM);
};

// WM_COMMAND from control `id` with notification `code` (BN_CLICKED, EN_UPDATE, ...).
template <class T>
MessageEntry<T> OnCommand(UINT id, UINT code, void (T::*handler)())
{
    return {MessageEntry<T>::Command, WM_COMMAND, id, code, handler, nullptr, nullptr};
}

// WM_NOTIFY from control `id` with notification `code`; the handler's result
// is the notification's result.
template <class T>
MessageEntry<T> OnNotify(UINT id, int code, LRESULT (T::*handler)(NMHDR*))
{
    return {MessageEntry<T>::Notify, WM_NOTIFY, id, static_cast<UINT>(code), nullptr, handler, nullptr};
}

// Any other window message.
template <class T>
MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return {MessageEntry<T>::Message, message, 0, 0, nullptr, nullptr, handler};
}

template <class T>
class MessageMap : public MessageMapBase {
public:
    MessageMap(const MessageMapBase* base, std::initializer_list<MessageEntry<T>> entries)
        : base_(base), entries_(entries)
    {
    }

    bool Dispatch(CCmdTarget& target, UINT message, WPARAM wParam, LPARAM lParam,
                  LRESULT& result) const override
    {
        T& self = static_cast<T&>(target);
        for (const MessageEntry<T>& entry : entries_) {
            if (entry.message != message)
                continue;
            switch (entry.kind) {
            case MessageEntry<T>::Command:
                if (LOWORD(wParam) == entry.id && HIWORD(wParam) == entry.code) {
                    (self.*entry.onCommand)();
                    result = 0;
                    return true;
                }
                break;
            case MessageEntry<T>::Notify: {
                NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
                if (header->idFrom == entry.id && header->code == entry.code) {
                    result = (self.*entry.onNotify)(header);
                    return true;
                }
                break;
            }
            case MessageEntry<T>::Message:
                result = (self.*entry.onMessage)(wParam, lParam);
                return true;
            }
        }
        return base_ && base_->Dispatch(target, message, wParam, lParam, result);
    }

private:
    const MessageMapBase* base_;
    std::vector<MessageEntry<T>> entries_;
};
