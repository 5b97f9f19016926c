#pragma once

#include <functional>

namespace velmora {

// Named timers on the user-interface thread. The core starts and stops them by id and is
// told of each expiry through the handler.
class Timers {
public:
    using Handler = std::function<void(int id)>;

    virtual ~Timers() = default;

    virtual void start(int id, int milliseconds, bool periodic) = 0;
    virtual void stop(int id) = 0;
    virtual bool isActive(int id) const = 0;

    void onTimer(Handler handler) { handler_ = std::move(handler); }

protected:
    void fire(int id) {
        if (handler_) {
            handler_(id);
        }
    }

private:
    Handler handler_;
};

} // namespace velmora
