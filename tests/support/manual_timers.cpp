#include "support/manual_timers.h"

namespace velmora::test {

void ManualTimers::start(int id, int milliseconds, bool periodic) {
    active_[id] = {now_ + milliseconds, milliseconds, periodic};
}

void ManualTimers::advance(long long milliseconds) {
    const long long end = now_ + milliseconds;
    for (;;) {
        auto next = active_.end();
        for (auto it = active_.begin(); it != active_.end(); ++it) {
            if (it->second.due <= end &&
                (next == active_.end() || it->second.due < next->second.due)) {
                next = it;
            }
        }
        if (next == active_.end()) {
            break;
        }
        const int id = next->first;
        now_ = next->second.due;
        if (next->second.periodic) {
            next->second.due += next->second.interval > 0 ? next->second.interval : 1;
        } else {
            active_.erase(next);
        }
        fire(id);
    }
    now_ = end;
}

bool LoopbackLink::write(const Bytes& bytes) {
    if (!open_ || failWrite) {
        return false;
    }
    written.insert(written.end(), bytes.begin(), bytes.end());
    if (peer_ != nullptr && peer_->open_) {
        peer_->deliver(bytes);
    }
    return true;
}

} // namespace velmora::test
