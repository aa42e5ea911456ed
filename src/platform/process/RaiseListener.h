#pragma once
// The running copy's end of the raise socket: takes the connections of later starts from
// the event loop and answers each request to come to the front. Posix only.
#include "platform/process/Descriptor.h"
#include "platform/process/EventLoop.h"

#include <functional>
#include <list>
#include <memory>
#include <string>

class RaiseListener {
public:
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
    };
    using Connections = std::list<Connection>;

    void Accept();
    void Read(Connections::iterator connection);

    EventLoop& m_loop;
    Descriptor m_socket;
    std::string m_path;
    std::function<void()> m_bringToFront;
    std::unique_ptr<EventLoop::Watch> m_acceptable;
    Connections m_connections;
};
