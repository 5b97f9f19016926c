#include "gui/adapters/qt_timers.h"

#include <QTimer>

namespace velmora::gui {

QtTimers::QtTimers(QObject* parent) : QObject(parent) {}

QtTimers::~QtTimers() = default;

void QtTimers::start(int id, int milliseconds, bool periodic) {
    auto& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout, this, [this, id] { fire(id); });
    }
    timer->setSingleShot(!periodic);
    timer->start(milliseconds);
}

void QtTimers::stop(int id) {
    const auto it = timers_.find(id);
    if (it != timers_.end()) {
        it->second->stop();
    }
}

bool QtTimers::isActive(int id) const {
    const auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

} // namespace velmora::gui
