#include "loopbackhttpserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace pelmora::test {

namespace {

constexpr int kPollMs = 20;

int listenOnLoopback(int& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        throw std::runtime_error("socket failed");
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        throw std::runtime_error("bind/listen on 127.0.0.1 failed");
    }
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

bool sendAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

}  // namespace

LoopbackReply httpOk(const std::string& body)
{
    LoopbackReply reply;
    reply.bytes = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: "
        + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    return reply;
}

LoopbackHttpServer::LoopbackHttpServer(Handler handler) : m_handler(std::move(handler))
{
    m_listener = listenOnLoopback(m_port);
    m_thread = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_stop = true;
    m_thread.join();
    ::close(m_listener);
}

std::string LoopbackHttpServer::address() const { return "http://127.0.0.1:" + std::to_string(m_port); }

std::vector<std::string> LoopbackHttpServer::targets() const
{
    std::lock_guard lock(m_mutex);
    return m_targets;
}

std::vector<std::string> LoopbackHttpServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void LoopbackHttpServer::serve()
{
    while (!m_stop) {
        pollfd waiting{m_listener, POLLIN, 0};
        if (::poll(&waiting, 1, kPollMs) <= 0)
            continue;
        const int connection = ::accept(m_listener, nullptr, nullptr);
        if (connection < 0)
            continue;
        answer(connection);
        ::close(connection);
    }
}

void LoopbackHttpServer::answer(int connection)
{
    // Read the request head (up to the blank line), giving up after a few seconds.
    std::string request;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (request.find("\r\n\r\n") == std::string::npos && !m_stop
           && std::chrono::steady_clock::now() < deadline) {
        pollfd readable{connection, POLLIN, 0};
        if (::poll(&readable, 1, kPollMs) <= 0)
            continue;
        char buffer[4096];
        const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0)
            return;
        request.append(buffer, static_cast<std::size_t>(got));
    }
    const std::size_t firstSpace = request.find(' ');
    const std::size_t secondSpace = firstSpace == std::string::npos ? firstSpace : request.find(' ', firstSpace + 1);
    const std::string target = secondSpace == std::string::npos
        ? std::string()
        : request.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    {
        std::lock_guard lock(m_mutex);
        m_targets.push_back(target);
        m_requests.push_back(request);
    }

    const LoopbackReply reply = m_handler(target);
    if (!sendAll(connection, reply.bytes.data(), reply.bytes.size()))
        return;
    const std::string filler(64 * 1024, 'x');
    for (std::size_t left = reply.paddingBytes; left > 0 && !m_stop;) {
        const std::size_t piece = std::min(left, filler.size());
        if (!sendAll(connection, filler.data(), piece))
            return;  // the client hung up
        left -= piece;
    }
    while (reply.hang && !m_stop) {
        pollfd closed{connection, POLLIN, 0};
        if (::poll(&closed, 1, kPollMs) > 0) {
            char buffer[256];
            if (::recv(connection, buffer, sizeof buffer, 0) <= 0)
                return;  // the client gave up
        }
    }
}

std::string unusedLoopbackAddress()
{
    int port = 0;
    const int fd = listenOnLoopback(port);
    ::close(fd);
    return "http://127.0.0.1:" + std::to_string(port);
}

}  // namespace pelmora::test
