#pragma once
// Driving the Windows API backend's windows from a test: answering each
// window a call shows, real input from SendInput, and bounded waits that keep
// the messages flowing.

#include "ui/dialogs/Registry.h"
#include "ui/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

// Runs `call` and hands `answer` each top-level window of this thread as soon
// as it is shown, once; windows still open five seconds after they were shown
// are closed as a failure, so no test hangs.
inline void Answering(const std::function<void(HWND)>& answer, const std::function<void()>& call) {
    static std::vector<std::pair<HWND, DWORD>> shown;
    static const std::function<void(HWND)>* current;
    shown.clear();
    current = &answer;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD now) {
        EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM now) -> BOOL {
            const auto seen = std::find_if(shown.begin(), shown.end(), [w](auto& s) { return s.first == w; });
            if (IsWindowVisible(w) && seen == shown.end()) {
                shown.emplace_back(w, DWORD(now));
                (*current)(w);
            } else if (seen != shown.end() && IsWindowVisible(w) && DWORD(now) - seen->second > 5000) {
                seen->second = DWORD(now);
                ADD_FAILURE() << "a window was left open";
                PostMessageW(w, WM_CLOSE, 0, 0);
            }
            return TRUE;
        }, LPARAM(now));
    });
    call();
    KillTimer(nullptr, timer);
}

// Handles messages until `done` holds, for at most `ms` milliseconds.
inline bool WaitFor(const std::function<bool()>& done, DWORD ms = 3000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > ms) return false;
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) TranslateMessage(&m), DispatchMessageW(&m);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

inline HWND WindowOf(Handle control) { return static_cast<HWND>(FindControl(control)->widget); }

// The pointer to that point of a window's client area, with these buttons
// pressed or released (MOUSEEVENTF_*).
inline void Pointer(HWND window, int x, int y, DWORD buttons = 0, int wheel = 0) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | buttons;
    input.mi.mouseData = DWORD(wheel);
    SendInput(1, &input, sizeof input);
}

inline void Key(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}
