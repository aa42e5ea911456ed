#pragma once
// The running copy's end of the raise socket: takes the connections of later starts from
// the event loop and answers each request to come to the front. Whatever connects, the
// listener holds a few descriptors at most and never keeps the loop busy: a connection that
// does not speak is dropped soon, and the oldest goes when more come; when the system has no
// descriptor to give, the listener rests a while instead of trying again at once. Posix only.
#include "platform/process/Descriptor.h"
#include "platform/process/EventLoop.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <string>

class RaiseListener {
public:
    // Connections held at a time.
    static constexpr std::size_t kMostConnections = 4;
    // How long a connection may take to send its request.
    static constexpr std::chrono::milliseconds kConnectionPatience{2000};
    // How long the listener rests when a connection cannot be taken for want of resources.
    static constexpr std::chrono::milliseconds kRestAfterFailure{500};
    // Connections taken in one turn of the loop, so that a flood leaves the loop its work.
    static constexpr int kAcceptsPerTurn = 16;

    // Serves the listening `socket` at `path` from `loop`, which outlives the listener;
    // `bringToFront` is called once for every request. The socket is taken away with the
    // listener.
    RaiseListener(EventLoop& loop, Descriptor socket, std::string path,
                  std::function<void()> bringToFront);
    ~RaiseListener();
    RaiseListener(const RaiseListener&) = delete;
    RaiseListener& operator=(const RaiseListener&) = delete;

private:
    struct Connection {
        Descriptor socket;
        std::string received;
        std::unique_ptr<EventLoop::Watch> readable;
        std::unique_ptr<EventLoop::Watch> expiry;
    };
    using Connections = std::list<Connection>;

    void Accept();
    void Take(int fd);
    void Read(Connections::iterator connection);
    void End(Connections::iterator connection);
    void Rest();

    EventLoop& m_loop;
    Descriptor m_socket;
    std::string m_path;
    std::function<void()> m_bringToFront;
    std::unique_ptr<EventLoop::Watch> m_acceptable;
    std::unique_ptr<EventLoop::Watch> m_rest;
    Connections m_connections;
};
