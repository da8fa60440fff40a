// A client under test with its events recorded, and helpers to run a request to its end.
#pragma once

#include "net/HttpProt.h"
#include "platform/rtl/MemoryStream.h"
#include "tests/net/HttpTestServer.h"

#include <string>
#include <vector>

namespace http_test {

struct TRecordingClient {
    THttpCli client{nullptr};
    TMemoryStream received;
    std::vector<std::string> events;
    int doneCount = 0;
    WORD doneError = 0xFFFF;
    std::string docData;

    TRecordingClient() {
        client.RcvdStream = &received;
        client.OnRequestDone = [this](TObject*, THttpRequest, WORD Error) {
            ++doneCount;
            doneError = Error;
            events.push_back("done " + std::to_string(Error));
        };
        client.OnDocBegin = [this](TObject*) { events.push_back("docbegin"); };
        client.OnDocEnd = [this](TObject*) { events.push_back("docend"); };
        client.OnDocData = [this](TObject*, const void* Data, int Len) {
            docData.append(static_cast<const char*>(Data), Len);
        };
        client.OnHeaderBegin = [this](TObject*) { events.push_back("headerbegin"); };
        client.OnHeaderEnd = [this](TObject*) { events.push_back("headerend"); };
        client.OnSessionConnected = [this](TObject*) { events.push_back("connected"); };
        client.OnSessionClosed = [this](TObject*) { events.push_back("closed"); };
    }

    std::string Body() {
        return std::string(static_cast<const char*>(received.Memory()),
                           static_cast<std::size_t>(received.Size()));
    }

    // Starts a GET of the URL and pumps until the request is reported done.
    bool Get(const std::string& url) {
        client.URL = url;
        const int before = doneCount;
        client.GetASync();
        return net_test::PumpUntil([&] { return doneCount > before; });
    }

    bool Run(THttpRequest rq, const std::string& url) {
        client.URL = url;
        const int before = doneCount;
        client.DoRequestAsync(rq);
        return net_test::PumpUntil([&] { return doneCount > before; });
    }
};

// The value of a header line of a raw request, or "<none>".
inline std::string HeaderValue(const std::string& request, const std::string& name) {
    const std::string key = "\r\n" + name + ": ";
    const auto at = request.find(key);
    if (at == std::string::npos) return "<none>";
    const auto start = at + key.size();
    return request.substr(start, request.find("\r\n", start) - start);
}

inline std::string RequestLine(const std::string& request) {
    return request.substr(0, request.find("\r\n"));
}

} // namespace http_test
