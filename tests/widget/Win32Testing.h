#pragma once
// Driving the Windows API backend's windows from a test: answering each
// window a call shows, real input from SendInput, and bounded waits that keep
// the messages flowing.

#include "ui/dialogs/Registry.h"
#include "ui/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

// Runs `call` and hands `answer` each top-level window of this thread once, as
// soon as it is shown; one still shown five seconds later is closed as a
// failure, so no test hangs.
inline void Answering(const std::function<void(HWND)>& answer, const std::function<void()>& call) {
    static std::map<HWND, DWORD> shown; // and when
    static const std::function<void(HWND)>* current;
    shown.clear(), current = &answer;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD now) {
        EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM now) -> BOOL {
            if (!IsWindowVisible(w)) return TRUE;
            if (!shown.count(w)) return shown[w] = DWORD(now), (*current)(w), TRUE;
            if (DWORD(now) - shown[w] > 5000)
                ADD_FAILURE() << "a window was left open", shown[w] = DWORD(now), PostMessageW(w, WM_CLOSE, 0, 0);
            return TRUE;
        }, LPARAM(now));
    });
    call();
    KillTimer(nullptr, timer);
}

// Handles messages until `done` holds, for at most three seconds.
inline bool WaitFor(const std::function<bool()>& done) {
    for (const DWORD start = GetTickCount(); !done(); MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT)) {
        if (GetTickCount() - start > 3000) return false;
        for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) TranslateMessage(&m), DispatchMessageW(&m);
    }
    return true;
}

inline HWND WindowOf(Handle control) { return static_cast<HWND>(FindControl(control)->widget); }

// The pointer to that point of a window's client area, then these buttons
// (MOUSEEVENTF_*) and wheel notches.
inline void Pointer(HWND window, int x, int y, DWORD buttons = 0, int wheel = 0) {
    POINT p{x, y};
    ClientToScreen(window, &p), SetCursorPos(p.x, p.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | buttons, input.mi.mouseData = DWORD(wheel);
    SendInput(1, &input, sizeof input);
}

inline void Key(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key, input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}
