// An oracle independent of the translation's own walk: generated networks of contacts and
// coils are evaluated twice for every input combination, once by power flow over the cell
// grid, once by running the compiled expression lines over bit memory. Both must agree.

#include "core/compiler/expression_text.h"
#include "core/compiler/program_compile.h"

#include "ladder_builder.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

namespace velmora::compiler {
namespace {

using test::LogicBuilder;

struct Node {
    enum Kind { Contact, Wire, Series, Parallel } kind;
    int input = 0;       // contacts: %I0.input (0 ... 7) or %I1.(input - 8)
    bool closed = false; // normally closed contact
    std::vector<std::unique_ptr<Node>> parts;
};

std::string inputName(int i) {
    return "%I" + std::to_string(i / 8) + "." + std::to_string(i % 8);
}

std::unique_ptr<Node> generate(std::mt19937& rng, int depth, int inputs) {
    std::uniform_int_distribution<int> pick(0, 9);
    auto node = std::make_unique<Node>();
    const int p = depth <= 0 ? 0 : pick(rng);
    if (p < 4) {
        node->kind = Node::Contact;
        node->input = std::uniform_int_distribution<int>(0, inputs - 1)(rng);
        node->closed = pick(rng) < 3;
        return node;
    }
    node->kind = p < 7 ? Node::Series : Node::Parallel;
    const int n = 2 + (pick(rng) < 2 ? 1 : 0);
    for (int i = 0; i < n; ++i) {
        if (node->kind == Node::Parallel && i > 0 && pick(rng) == 0) {
            auto wire = std::make_unique<Node>();
            wire->kind = Node::Wire; // a bypass branch
            node->parts.push_back(std::move(wire));
        } else {
            node->parts.push_back(generate(rng, depth - 1, inputs));
        }
    }
    return node;
}

struct Size {
    int w = 0, h = 0;
};

// Lays the node out with its top-left element at (col, row); every block's input and
// output are on its top row. Returns its size, or w > 9 / h > 8 when it does not fit.
Size layout(const Node& n, LogicBuilder& b, int col, int row) {
    if (col > 8 || row > 7) {
        return {100, 100};
    }
    switch (n.kind) {
    case Node::Contact:
        b.contact(col, row, inputName(n.input), n.closed ? "CNF" : "CNA");
        return {1, 1};
    case Node::Wire:
        b.wire(col, row);
        return {1, 1};
    case Node::Series: {
        Size s;
        for (const auto& p : n.parts) {
            const Size ps = layout(*p, b, col + s.w, row);
            s.w += ps.w;
            s.h = std::max(s.h, ps.h);
        }
        return s;
    }
    case Node::Parallel: {
        std::vector<Size> sizes;
        std::vector<int> rows;
        Size s;
        for (const auto& p : n.parts) {
            rows.push_back(row + s.h);
            const Size ps = layout(*p, b, col, row + s.h);
            sizes.push_back(ps);
            s.h += ps.h;
            s.w = std::max(s.w, ps.w);
        }
        if (s.w + col > 9 || s.h + row > 8) {
            return {100, 100};
        }
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            b.wires(col + sizes[i].w, col + s.w - 1, rows[i]);
        }
        // The buses on both sides reach the last branch's top row.
        for (int r = row; r < rows.back(); ++r) {
            if (col > 0) {
                b.leftLink(col, r);
            }
            b.link(col + s.w - 1, r);
        }
        return s;
    }
    }
    return {};
}

bool evaluate(const Node& n, unsigned inputs) {
    switch (n.kind) {
    case Node::Contact: {
        const bool v = (inputs >> n.input) & 1u;
        return n.closed ? !v : v;
    }
    case Node::Wire:
        return true;
    case Node::Series:
        for (const auto& p : n.parts) {
            if (!evaluate(*p, inputs)) {
                return false;
            }
        }
        return true;
    case Node::Parallel:
        for (const auto& p : n.parts) {
            if (evaluate(*p, inputs)) {
                return true;
            }
        }
        return false;
    }
    return false;
}

// Power flow over the grid: nodes are (link column, row); the left rail powers column 0;
// conducting element cells join their two sides, vertical links join a row to the next.
std::map<std::string, bool> powerFlow(const ladder::TLogica& g, unsigned inputs) {
    constexpr int kRows = ladder::kEditedRows;
    std::vector<int> parent(11 * kRows);
    for (std::size_t i = 0; i < parent.size(); ++i) {
        parent[i] = static_cast<int>(i);
    }
    auto id = [](int x, int r) { return (x / 2) * kRows + r; };
    std::function<int(int)> root = [&](int a) {
        return parent[static_cast<std::size_t>(a)] == a
                   ? a
                   : parent[static_cast<std::size_t>(a)] =
                         root(parent[static_cast<std::size_t>(a)]);
    };
    auto join = [&](int a, int b) { parent[static_cast<std::size_t>(root(a))] = root(b); };
    for (int r = 1; r < kRows; ++r) {
        join(id(0, r), id(0, 0));
    }
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < kRows; ++r) {
            const std::string& t = g.element(c, r).text;
            if (t.empty()) {
                continue;
            }
            const std::string code = t.substr(0, 3);
            // The first cell of a timer with preset 0 conducts like a line, left to right; in
            // these networks nothing on its right reaches the rail another way.
            bool conducts = code == "CRT" || t.substr(0, 4) == "TON1" || t.substr(0, 4) == "TOF1" ||
                            t.substr(0, 4) == "TPP1";
            if (code == "CNA" || code == "CNF") {
                const std::string op = ladder::cellField(t, 1).value_or("");
                const int i = (op[2] - '0') * 8 + (op[4] - '0');
                const bool v = (inputs >> i) & 1u;
                conducts = code == "CNA" ? v : !v;
            }
            if (conducts) {
                join(id(2 * c, r), id(2 * c + 2, r));
            }
        }
    }
    for (int x = 2; x <= 18; x += 2) {
        for (int r = 0; r + 1 < kRows; ++r) {
            if (g.cell(x, r).text == ladder::kLinkDown) {
                join(id(x, r), id(x, r + 1));
            }
        }
    }
    std::map<std::string, bool> coils;
    for (int r = 0; r < kRows; ++r) {
        const std::string& t = g.element(9, r).text;
        if (!t.empty()) {
            coils[ladder::cellField(t, 1).value_or("")] = root(id(18, r)) == root(id(0, 0));
        }
    }
    return coils;
}

// Runs expression lines over bit memory.
std::map<std::string, bool> run(const std::vector<std::string>& lines, unsigned inputs) {
    std::map<std::string, bool> mem;
    auto value = [&](const std::string& a) {
        if (a == "0" || a == "1") {
            return a == "1";
        }
        if (a.rfind("%I", 0) == 0) {
            return ((inputs >> ((a[2] - '0') * 8 + (a[4] - '0'))) & 1u) != 0;
        }
        return mem[a];
    };
    for (const auto& l : lines) {
        const std::string name = expressionName(l);
        const auto a = expressionArguments(l);
        if (name == "AND" || name == "OR") {
            const bool v = name == "AND" ? value(a[0]) && value(a[1]) : value(a[0]) || value(a[1]);
            mem[a[2]] = v;
        } else if (name == "NOT") {
            mem[a[1]] = !value(a[0]);
        } else if (name == "ANDS" || name == "ANDR") {
            if (value(a[0]) && value(a[1])) {
                mem[a[2]] = name == "ANDS";
            }
        } else if (name == "COUNTERUP") {
            // A stand-in for the counter that shows which inputs reached it: Q = CU and not R.
            if (a[3] != "0") {
                mem[a[3]] = value(a[0]) && !value(a[1]);
            }
        } else if (name == "TIMERON" || name == "TIMEROFF" || name == "TIMERP") {
            // A timer with preset 0 passes its input straight through.
            if (a[2] != "0") {
                mem[a[2]] = value(a[0]);
            }
        } else if (name != "EP") {
            ADD_FAILURE() << "unexpected line " << l;
        }
    }
    std::map<std::string, bool> coils;
    for (const auto& [k, v] : mem) {
        if (k.rfind("%Q", 0) == 0) {
            coils[k] = v;
        }
    }
    return coils;
}

// The cells of a logic, for failure messages.
std::string gridText(const ladder::TLogica& g) {
    std::string text;
    for (int r = 0; r < ladder::kEditedRows; ++r) {
        for (int s = 0; s < ladder::kStorageColumns; ++s) {
            const std::string& t = g.cell(s, r).text;
            text += t.empty() ? (s % 2 ? " .   " : " ") : (s % 2 ? " " + t.substr(0, 4) : "|");
        }
        text += "\n";
    }
    return text;
}

TEST(PowerFlowOracle, CompiledNetworksAgreeWithPowerFlow) {
    std::mt19937 rng(20261211);
    const MemoryMap map; // addresses do not matter to the comparison
    int compared = 0;
    int attempts = 0;
    while (compared < 600 && attempts < 20000) {
        ++attempts;
        const int inputs = 4 + static_cast<int>(rng() % 5);
        const auto tree = generate(rng, 1 + static_cast<int>(rng() % 4), inputs);
        LogicBuilder b;
        const Size s = layout(*tree, b, 0, 0);
        if (s.w > 8 || s.h > 8) {
            continue;
        }
        b.wires(s.w, 8, 0).coil(0, "%Q0.0");
        const bool second = s.h < 8 && b.logic.element(8, 1).empty() && rng() % 3 == 0;
        if (second) {
            b.coil(1, "%Q0.1", rng() % 2 ? "BOB" : "BON").leftLink(9, 0);
        }
        std::array<ladder::TPrograma, 1> slots;
        slots[0].logic(1) = b.logic;
        const CompileResult r = compileLadderProgram(slots, 1, map);
        ASSERT_TRUE(r.errors.empty()) << "network " << attempts << ": " << r.errors.front().detail;
        for (unsigned in = 0; in < (1u << inputs); ++in) {
            auto expected = powerFlow(b.logic, in);
            // The oracle's own two views must agree too.
            ASSERT_EQ(expected["%Q0.0"], evaluate(*tree, in));
            if (second && b.logic.element(9, 1).text.substr(0, 3) == "BON") {
                expected["%Q0.1"] = !expected["%Q0.1"];
            }
            ASSERT_EQ(run(r.lines, in), expected)
                << "network " << attempts << " inputs " << in << "\n"
                << [&] {
                       std::string s;
                       for (const auto& l : r.lines) {
                           s += l + "\n";
                       }
                       return s;
                   }();
        }
        ++compared;
    }
    EXPECT_GE(compared, 500);
}

// A timer between two generated networks: the input network's result must reach the
// timer's input and the timer's output must go through the output network.
TEST(PowerFlowOracle, TimersBetweenNetworksAgreeWithPowerFlow) {
    std::mt19937 rng(1211);
    const MemoryMap map;
    const std::array<const char*, 3> kinds = {"TON", "TOF", "TPP"};
    int compared = 0;
    int attempts = 0;
    while (compared < 300 && attempts < 20000) {
        ++attempts;
        const int inputs = 3 + static_cast<int>(rng() % 4);
        const auto before = generate(rng, static_cast<int>(rng() % 3), inputs);
        const auto after = generate(rng, static_cast<int>(rng() % 3), inputs);
        LogicBuilder b;
        const Size s1 = layout(*before, b, 0, 0);
        if (s1.w > 5 || s1.h > 8) {
            continue;
        }
        b.vertical(s1.w, 0, kinds[rng() % 3], {"%T1", "0", "1", "1"});
        const Size s2 = layout(*after, b, s1.w + 1, 0);
        // The timer moves one column right: a clear column must remain before the coil.
        if (s1.w + 1 + s2.w > 7 || s2.h > 8) {
            continue;
        }
        b.wires(s1.w + 1 + s2.w, 8, 0).coil(0, "%Q0.0");
        std::array<ladder::TPrograma, 1> slots;
        slots[0].logic(1) = b.logic;
        const CompileResult r = compileLadderProgram(slots, 1, map);
        ASSERT_TRUE(r.errors.empty()) << "network " << attempts << ": " << r.errors.front().detail;
        for (unsigned in = 0; in < (1u << inputs); ++in) {
            const bool expected = evaluate(*before, in) && evaluate(*after, in);
            ASSERT_EQ(powerFlow(b.logic, in)["%Q0.0"], expected);
            ASSERT_EQ(run(r.lines, in)["%Q0.0"], expected)
                << "network " << attempts << " inputs " << in << "\n"
                << [&] {
                       std::string text;
                       for (const auto& l : r.lines) {
                           text += l + "\n";
                       }
                       return text;
                   }();
        }
        ++compared;
    }
    EXPECT_GE(compared, 300);
}

// An up counter whose count, reset and output rungs are generated networks: each must
// reach its own place in the merged counter line.
TEST(PowerFlowOracle, CounterRungsReachTheirInputs) {
    std::mt19937 rng(3107);
    const MemoryMap map;
    int compared = 0;
    int attempts = 0;
    while (compared < 300 && attempts < 20000) {
        ++attempts;
        const int inputs = 3 + static_cast<int>(rng() % 4);
        // The count rung is one row (the reset row lies right below it).
        Node count;
        count.kind = Node::Series;
        const int contacts = 1 + static_cast<int>(rng() % 3);
        for (int i = 0; i < contacts; ++i) {
            count.parts.push_back(generate(rng, 0, inputs));
        }
        const auto reset = generate(rng, static_cast<int>(rng() % 3), inputs);
        const auto after = generate(rng, static_cast<int>(rng() % 2), inputs);
        LogicBuilder b;
        const Size sc = layout(count, b, 0, 0);
        const Size sr = layout(*reset, b, 0, 1);
        if (sr.w > sc.w || sr.h > 7) {
            continue;
        }
        b.wires(sr.w, sc.w - 1, 1);
        // A line after the counter keeps the output network's links off the reset row.
        b.vertical(sc.w, 0, "CUP", {"%C1", "5"}).wire(sc.w + 1, 0);
        const Size sa = layout(*after, b, sc.w + 2, 0);
        if (sc.w + 2 + sa.w > 9 || sa.h > 8) {
            continue;
        }
        b.wires(sc.w + 2 + sa.w, 8, 0).coil(0, "%Q0.0");
        std::array<ladder::TPrograma, 1> slots;
        slots[0].logic(1) = b.logic;
        const CompileResult r = compileLadderProgram(slots, 1, map);
        ASSERT_TRUE(r.errors.empty())
            << "network " << attempts << ": " << r.errors.front().detail << "\n"
            << gridText(b.logic);
        for (unsigned in = 0; in < (1u << inputs); ++in) {
            const bool q = evaluate(count, in) && !evaluate(*reset, in);
            const bool expected = q && evaluate(*after, in);
            ASSERT_EQ(run(r.lines, in)["%Q0.0"], expected)
                << "network " << attempts << " inputs " << in << "\n"
                << [&] {
                       std::string text;
                       for (const auto& l : r.lines) {
                           text += l + "\n";
                       }
                       return text;
                   }();
        }
        ++compared;
    }
    EXPECT_GE(compared, 300);
}

} // namespace
} // namespace velmora::compiler
