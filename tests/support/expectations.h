// What a test expects the applet to show or do: message boxes, modal windows and the end of the process. Each is met
// through the framework's seams; anything unexpected fails the test and is closed, so a headless run never hangs.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The product title: the caption of the applet's sheet, dialogs and message boxes.
inline const std::string kAppTitle = "Vyr 11a/b/g Wireless LAN Mini PCI Adapter Configuration";

struct ShownMessageBox {
    std::string text;
    std::string caption;
    UINT type;
};

// Drives modal dialogs and sheets in the order they come up. Each step gets
// the window once its modal loop runs and must close it.
class ModalWindows {
public:
    ModalWindows();
    ~ModalWindows();

    ModalWindows& Then(std::function<void(HWND window)> step);

private:
    std::deque<std::function<void(HWND)>> steps_;
};

// Ends a modal dialog or sheet the way the user's Cancel would.
void CloseModal(HWND window);

// Installed by the test runner: unexpected boxes, modal windows and process ends fail the running test.
void InstallUnexpectedHandlers();

// Records every message box and answers them in turn from `answers`, then with OK; `during` runs while each is up.
class MessageBoxLog {
public:
    explicit MessageBoxLog(std::vector<int> answers = {}, std::function<void()> during = nullptr);
    ~MessageBoxLog();
    const std::vector<ShownMessageBox>& Shown() const { return shown_; }
    // "box: <text> | " for each box in order, with " [<buttons>]" when they
    // are not OK alone and " [<caption>]" when it is not `usualCaption`.
    std::string Text(const std::string& usualCaption) const;

private:
    std::deque<int> answers_;
    std::vector<ShownMessageBox> shown_;
};

// While it lives, this thread cannot create top-level windows (those with the title, or all when it is empty), as
// when the system is out of window resources.
class RefusedWindows {
public:
    explicit RefusedWindows(const std::string& title = std::string());
    ~RefusedWindows();

private:
    HHOOK hook_;
};
