#pragma once

#include <QString>
#include <functional>

// The exit link point: a connection is the open event, each line received the new text.
class DdeLink {
public:
    virtual ~DdeLink() = default;
    virtual bool listen() = 0;
    virtual void close() = 0;
    std::function<void()> onOpen;
    std::function<void(const QString&)> onText;
};
