// A tiny HTTP server on 127.0.0.1 for tests of the analyser client: it serves one connection at a
// time on its own thread and answers each request with what the test's handler returns.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pelmora::test {

// What the server does with one connection.
struct LoopbackReply {
    std::string bytes;             // sent as they are (status line, headers, body)
    std::size_t paddingBytes = 0;  // then this many filler bytes ("x"), sent in pieces
    bool hang = false;             // then keep the connection open, silent, until the server stops
};

// A whole HTTP/1.1 answer with status 200, the given body, its length and "Connection: close".
LoopbackReply httpOk(const std::string& body);

class LoopbackHttpServer {
public:
    using Handler = std::function<LoopbackReply(const std::string& requestTarget)>;

    // Starts listening on an ephemeral port of 127.0.0.1.
    explicit LoopbackHttpServer(Handler handler);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    int port() const { return m_port; }
    // "http://127.0.0.1:<port>"
    std::string address() const;
    // The request targets (path and query) received so far, in order.
    std::vector<std::string> targets() const;
    // The whole request heads (request line and headers) received so far, in order.
    std::vector<std::string> requests() const;

private:
    void serve();
    void answer(int connection);

    Handler m_handler;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_targets;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// An address on which nothing listens (a port that was just free on 127.0.0.1).
std::string unusedLoopbackAddress();

}  // namespace pelmora::test
