#pragma once

// What the ladder drawing asks of online monitoring. Monitoring registers the operands of the
// drawn cells in its watch list, keeps their values and the force list, and decides whether
// values are drawn. Until it exists the drawing uses NoMonitoring: nothing is registered and
// no values are drawn.

#include "core/ladder/program.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora::ladder {

class MonitorHooks {
public:
    virtual ~MonitorHooks() = default;

    // Monitoring runs: the open logic is drawn closed.
    virtual bool running() const = 0;
    // Values and force marks are drawn.
    virtual bool drawsValues() const = 0;
    // The layout pass starts over: forget the operands registered by the previous one.
    virtual void clearRegistry() = 0;
    // An operand of the element whose first cell is at storage column s, row r of `logic` is
    // about to be drawn.
    virtual void registerOperand(const TLogica& logic, int s, int r, std::string_view operand) = 0;
    // The operand's current value from the value table, when there is one.
    virtual std::optional<std::int32_t> value(std::string_view operand) const = 0;
    // The operand is in the force list.
    virtual bool forced(std::string_view operand) const = 0;
};

// Monitoring off: nothing registered, no values.
class NoMonitoring final : public MonitorHooks {
public:
    bool running() const override { return false; }
    bool drawsValues() const override { return false; }
    void clearRegistry() override {}
    void registerOperand(const TLogica&, int, int, std::string_view) override {}
    std::optional<std::int32_t> value(std::string_view) const override { return std::nullopt; }
    bool forced(std::string_view) const override { return false; }
};

} // namespace velmora::ladder
