#pragma once

namespace velmora {

struct DateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    int dayOfWeek = 0; // 0 Sunday ... 6 Saturday
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

// The machine's local time.
class SystemClock final : public Clock {
public:
    DateTime now() const override;
};

} // namespace velmora
