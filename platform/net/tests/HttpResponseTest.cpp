#include "platform/net/HttpResponse.h"

#include <gtest/gtest.h>

using platform::http::parseResponse;
using State = platform::http::Response::State;

TEST(HttpResponse, BodyEndsOnlyWhereItsFramingSays)
{
    struct Case {
        const char* name;
        QByteArray raw;
        bool closed;
        State state;
        QByteArray body;
    };
    const QByteArray head = "HTTP/1.1 200 OK\r\n";
    const std::vector<Case> cases{
        {"length whole", head + "Content-Length: 5\r\n\r\nhello", false, State::Complete, "hello"},
        {"length short", head + "Content-Length: 9\r\n\r\nhello", false, State::Incomplete, ""},
        {"length cut by close", head + "Content-Length: 9\r\n\r\nhello", true, State::Malformed, ""},
        {"chunked whole", head + "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n6;x=1\r\n world\r\n0\r\n\r\n", false,
         State::Complete, "hello world"},
        {"chunked with trailer", head + "Transfer-Encoding: chunked\r\n\r\n2\r\nhi\r\n0\r\nX-A: b\r\n\r\n", true,
         State::Complete, "hi"},
        {"chunked waiting", head + "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n", false, State::Incomplete, ""},
        {"chunked cut by close", head + "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n", true, State::Malformed, ""},
        {"chunked last chunk without its end", head + "Transfer-Encoding: chunked\r\n\r\n0\r\n", true,
         State::Malformed, ""},
        {"chunk size not hex", head + "Transfer-Encoding: chunked\r\n\r\nzz\r\nhello\r\n", false, State::Malformed, ""},
        {"other coding", head + "Transfer-Encoding: gzip, chunked\r\n\r\n0\r\n\r\n", false, State::Malformed, ""},
        {"until close", head + "Content-Type: text/plain\r\n\r\nall of it", true, State::Complete, "all of it"},
        {"until close, still open", head + "\r\nsome", false, State::Incomplete, ""},
        {"two lengths", head + "Content-Length: 1\r\nContent-Length: 2\r\n\r\nab", false, State::Malformed, ""},
        {"header cut by close", "HTTP/1.1 200 OK\r\nContent-Len", true, State::Malformed, ""},
        {"not http", "SSH-2.0-OpenSSH\r\n\r\n", false, State::Malformed, ""},
        {"interim answer first", "HTTP/1.1 100 Continue\r\n\r\n" + head + "Content-Length: 2\r\n\r\nok", false,
         State::Complete, "ok"},
        {"no content", "HTTP/1.1 204 No Content\r\n\r\n", false, State::Complete, ""},
        {"chunk larger than any buffer", "HTTP/1. 200\nTransfer-Encoding:chunked\r\n\r\n7fffffffffffffff\r\n", false,
         State::Malformed, ""},
        {"chunk size overflowing", head + "Transfer-Encoding: chunked\r\n\r\n10000000000000000\r\n", false,
         State::Malformed, ""},
        {"huge chunk, connection open", head + "Transfer-Encoding: chunked\r\n\r\n7ffffffffff\r\nab", false,
         State::Incomplete, ""},
    };
    for (const Case& c : cases) {
        const auto response = parseResponse(c.raw, c.closed);
        EXPECT_EQ(response.state, c.state) << c.name;
        if (c.state == State::Complete) {
            EXPECT_EQ(response.body, c.body) << c.name;
        }
    }
}

TEST(HttpResponse, StatusAndLocationAreRead)
{
    const auto moved = parseResponse("HTTP/1.0 302 Found\r\nlocation: /new/place\r\nContent-Length: 0\r\n\r\n", false);
    EXPECT_EQ(moved.state, State::Complete);
    EXPECT_EQ(moved.status, 302);
    EXPECT_EQ(moved.location, "/new/place");
    EXPECT_EQ(parseResponse("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n", false).status, 404);
}
