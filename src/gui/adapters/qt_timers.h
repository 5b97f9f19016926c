#pragma once

#include "core/seams/timers.h"

#include <QObject>

#include <map>
#include <memory>

class QTimer;

namespace velmora::gui {

// Named timers on QTimer, on the user-interface thread.
class QtTimers : public QObject, public Timers {
    Q_OBJECT
public:
    explicit QtTimers(QObject* parent = nullptr);
    ~QtTimers() override;

    void start(int id, int milliseconds, bool periodic) override;
    void stop(int id) override;
    bool isActive(int id) const override;

private:
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

} // namespace velmora::gui
