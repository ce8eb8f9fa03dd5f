#include "modal_owner.h"

#include <algorithm>
#include <vector>

namespace {

thread_local std::vector<HWND> modalWindows;

}  // namespace

void EnterModalWindow(HWND window)
{
    modalWindows.push_back(window);
}

void LeaveModalWindow(HWND window)
{
    modalWindows.erase(std::remove(modalWindows.begin(), modalWindows.end(), window), modalWindows.end());
}

HWND SafeModalOwner()
{
    for (auto window = modalWindows.rbegin(); window != modalWindows.rend(); ++window) {
        if (IsWindow(*window))
            return *window;
    }
    return nullptr;
}
