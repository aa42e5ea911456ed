#pragma once
// The event loop of the process services' tests: poll() over the watched descriptors, and
// the delayed calls in order of their time, on the thread that runs it.
#include "platform/process/EventLoop.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <vector>

#include <poll.h>

class PollLoop final : public EventLoop {
public:
    using Clock = std::chrono::steady_clock;

    std::unique_ptr<Watch> WatchReadable(int fd, std::function<void()> onReadable) override {
        return Add(Entry{fd, {}, std::move(onReadable)});
    }
    std::unique_ptr<Watch> CallAfter(std::chrono::milliseconds delay,
                                     std::function<void()> call) override {
        return Add(Entry{-1, Clock::now() + delay, std::move(call)});
    }

    // Runs until `done` answers true (asked after every round) or `limit` has passed; what
    // `done` answered last.
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        const Clock::time_point end = Clock::now() + limit;
        while (!done()) {
            if (Clock::now() >= end) {
                return false;
            }
            RunOnce(end);
        }
        return true;
    }
    void RunFor(std::chrono::milliseconds time) {
        RunUntil([] { return false; }, time);
    }
    // How many callbacks of watched descriptors the loop has made.
    int ReadableCalls() const { return m_readableCalls; }

private:
    struct Entry {
        int fd;
        Clock::time_point due;
        std::function<void()> call;
    };
    class Handle final : public Watch {
    public:
        Handle(PollLoop& loop, int id) : m_loop(loop), m_id(id) {}
        ~Handle() override { m_loop.m_entries.erase(m_id); }

    private:
        PollLoop& m_loop;
        int m_id;
    };

    std::unique_ptr<Watch> Add(Entry entry) {
        m_entries.emplace(++m_lastId, std::move(entry));
        return std::make_unique<Handle>(*this, m_lastId);
    }

    void RunOnce(Clock::time_point end) {
        std::vector<pollfd> fds;
        std::vector<int> ids;
        Clock::time_point wake = end;
        for (const auto& [id, entry] : m_entries) {
            if (entry.fd >= 0) {
                fds.push_back(pollfd{entry.fd, POLLIN, 0});
                ids.push_back(id);
            } else {
                wake = std::min(wake, entry.due);
            }
        }
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(wake - Clock::now()).count();
        if (::poll(fds.data(), fds.size(),
                   static_cast<int>(std::clamp<decltype(wait)>(wait, 0, kLongestWaitMs))) < 0) {
            return; // a signal: the round is over
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].revents != 0 && Call(ids[i])) {
                ++m_readableCalls;
            }
        }
        std::vector<int> due;
        for (const auto& [id, entry] : m_entries) {
            if (entry.fd < 0 && entry.due <= Clock::now()) {
                due.push_back(id);
            }
        }
        for (const int id : due) {
            if (const auto it = m_entries.find(id); it != m_entries.end()) {
                const std::function<void()> call = std::move(it->second.call);
                m_entries.erase(it); // called once
                call();
            }
        }
    }

    // Calls the entry when it is still watched; its callback may end any watch, its own too.
    bool Call(int id) {
        const auto it = m_entries.find(id);
        if (it == m_entries.end()) {
            return false;
        }
        const std::function<void()> call = it->second.call;
        call();
        return true;
    }

    // What another thread does ends a run only once the loop looks again.
    static constexpr int kLongestWaitMs = 10;

    std::map<int, Entry> m_entries;
    int m_lastId = 0;
    int m_readableCalls = 0;
};
