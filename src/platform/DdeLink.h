#pragma once

#include <QString>
#include <functional>

// The exit link point: a connection is the open event, each line received the new text.
// A connection whose first line is the presence question is no open event: the link answers
// it and closes it, so that a new start can tell a live copy from a process that only holds
// the instance lock.
class DdeLink {
public:
    virtual ~DdeLink() = default;
    virtual bool listen() = 0;
    virtual void close() = 0;
    std::function<void()> onOpen;
    std::function<void(const QString&)> onText;

    static constexpr char kPresenceQuestion[] = "TIMEWARD PRESENT?";
    static constexpr char kPresenceAnswer[] = "TIMEWARD PRESENT";
};
