#pragma once

// Shared by the drawing tests: a language with the header message, a monitor with scripted
// values, and finders over a recording canvas.

#include "core/ladder/ladder_drawing.h"
#include "core/ladder/monitor_hooks.h"
#include "core/lang/language.h"
#include "support/recording_canvas.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace velmora::ladder::drawing_test {

inline Language headerLanguage() {
    Language language;
    language.table.rows.push_back({"ID", "where", "Portugues"});
    for (int n = 1; n <= 20; ++n) {
        language.table.rows.push_back(
            {std::to_string(n), "ladder", n == 11 ? "L\xF3gica [0]" : "M" + std::to_string(n)});
    }
    return language;
}

class ScriptedMonitor : public MonitorHooks {
public:
    bool isRunning = true;
    bool values = true;
    std::map<std::string, std::int32_t> table;
    std::set<std::string> forces;
    std::vector<std::string> registered;
    int clears = 0;

    bool running() const override { return isRunning; }
    bool drawsValues() const override { return values; }
    void clearRegistry() override {
        ++clears;
        registered.clear();
    }
    void registerOperand(const TLogica&, int, int, std::string_view operand) override {
        registered.emplace_back(operand);
    }
    std::optional<std::int32_t> value(std::string_view operand) const override {
        auto it = table.find(std::string(operand));
        if (it == table.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    bool forced(std::string_view operand) const override {
        return forces.count(std::string(operand)) != 0;
    }
};

using Call = test::RecordingCanvas::Call;
using Op = test::RecordingCanvas::Op;

inline std::vector<Call> callsOf(const test::RecordingCanvas& canvas, Op op) {
    std::vector<Call> out;
    for (const auto& c : canvas.calls) {
        if (c.op == op) {
            out.push_back(c);
        }
    }
    return out;
}

// The first text call whose text is `text`, or nullptr.
inline const Call* findText(const test::RecordingCanvas& canvas, const std::string& text) {
    for (const auto& c : canvas.calls) {
        if (c.op == Op::Text && c.text == text) {
            return &c;
        }
    }
    return nullptr;
}

inline bool hasLine(const test::RecordingCanvas& canvas, Point a, Point b) {
    for (const auto& c : canvas.calls) {
        if (c.op == Op::Line && c.points.size() == 2 &&
            ((c.points[0] == a && c.points[1] == b) || (c.points[0] == b && c.points[1] == a))) {
            return true;
        }
    }
    return false;
}

inline bool hasFill(const test::RecordingCanvas& canvas, Rect r, Color color) {
    for (const auto& c : canvas.calls) {
        if (c.op == Op::FillRect && c.rect == r && c.brush.color == color) {
            return true;
        }
    }
    return false;
}

} // namespace velmora::ladder::drawing_test
