#pragma once

#include "platform/Http.h"

// A GET that waits for its answer, at most timeoutMs, in a local event loop that takes no
// user input meanwhile.
class QtHttp final : public Http {
public:
    Response get(const QString& url, int timeoutMs) override;
};
