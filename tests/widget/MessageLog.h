#pragma once
// Records the messages a handler or window procedure receives, so a test can
// check which arrived, in what order and with what parameters.

#include "ui/Messages.h"

#include <vector>

struct LoggedMessage {
    Handle window;
    MessageId message;
    WParam wParam;
    LParam lParam;
};

inline std::vector<LoggedMessage>& MessageLog() {
    static std::vector<LoggedMessage> log;
    return log;
}

inline LResult LoggingHandler(Handle window, MessageId message, WParam wParam, LParam lParam) {
    MessageLog().push_back({window, message, wParam, lParam});
    return 0;
}

inline std::vector<MessageId> LoggedIds() {
    std::vector<MessageId> ids;
    for (const LoggedMessage& m : MessageLog()) ids.push_back(m.message);
    return ids;
}

inline std::vector<LoggedMessage> Logged(MessageId message) {
    std::vector<LoggedMessage> found;
    for (const LoggedMessage& m : MessageLog()) {
        if (m.message == message) found.push_back(m);
    }
    return found;
}
