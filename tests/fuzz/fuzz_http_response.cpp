// Any bytes a server may send: the parser gives a state and never reads out of range.
#include "platform/net/HttpResponse.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray raw(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const bool closed : {false, true}) {
        const platform::http::Response response = platform::http::parseResponse(raw, closed);
        // A decoded body is never longer than what arrived.
        if (response.body.size() > raw.size()) std::abort();
        // Once the server has closed, nothing is left waiting.
        if (closed && response.state == platform::http::Response::State::Incomplete) std::abort();
    }
    return 0;
}
