#pragma once

#include "core/seams/clock.h"
#include "core/seams/link.h"
#include "core/seams/timers.h"

#include <map>
#include <string>

namespace velmora::test {

// Timers driven by hand: advance(ms) fires every timer that falls due, in time order.
class ManualTimers : public Timers {
public:
    void start(int id, int milliseconds, bool periodic) override;
    void stop(int id) override { active_.erase(id); }
    bool isActive(int id) const override { return active_.count(id) != 0; }

    void advance(long long milliseconds);
    long long now() const { return now_; }

private:
    struct Entry {
        long long due;
        int interval;
        bool periodic;
    };
    std::map<int, Entry> active_;
    long long now_ = 0;
};

// A clock that says what the test sets.
class FixedClock : public Clock {
public:
    DateTime time;
    DateTime now() const override { return time; }
};

// Two ends of an in-process byte channel: what one end writes, the other receives at once.
class LoopbackLink : public Link {
public:
    void connectTo(LoopbackLink& peer) {
        peer_ = &peer;
        peer.peer_ = this;
    }
    bool open() override {
        open_ = !failOpen;
        return open_;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool write(const Bytes& bytes) override;
    std::string lastError() const override { return failOpen || failWrite ? "simulated" : ""; }

    bool failOpen = false;
    bool failWrite = false;
    Bytes written; // everything written from this end

private:
    LoopbackLink* peer_ = nullptr;
    bool open_ = false;
};

} // namespace velmora::test
