#include "core/compiler/expression_text.h"

#include <array>

namespace velmora::compiler {

namespace {

struct Keyword {
    std::string_view text;
    std::string_view name;
};

// The search order of NomeFuncao: containment, first match wins.
constexpr std::array<Keyword, 73> kKeywords = {{
    {"NOT(", "NOT"},
    {"ANDR(", "ANDR"},
    {"ANDS(", "ANDS"},
    {"ORS(", "ORS"},
    {"ORR(", "ORR"},
    {"BP(", "BP"},
    {"BN(", "BN"},
    {"AND(", "AND"},
    {"OR(", "OR"},
    {"SMB(", "SMB"},
    {"SBB(", "SBB"},
    {"MLB(", "MLB"},
    {"DVB(", "DVB"},
    {"SMW(", "SMW"},
    {"SBW(", "SBW"},
    {"MLW(", "MLW"},
    {"DVW(", "DVW"},
    {"SML(", "SML"},
    {"SBL(", "SBL"},
    {"MLL(", "MLL"},
    {"DVL(", "DVL"},
    {"MBB(", "MBB"},
    {"MWW(", "MWW"},
    {"MWB(", "MWB"},
    {"MBW(", "MBW"},
    {"MAIORIGUAL_B(", "MAIORIGUAL_B"},
    {"MENORIGUAL_B(", "MENORIGUAL_B"},
    {"DIFERENTE_B(", "DIFERENTE_B"},
    {"IGUAL_B(", "IGUAL_B"},
    {"MAIOR_B(", "MAIOR_B"},
    {"MENOR_B(", "MENOR_B"},
    {"MAIORIGUAL_W(", "MAIORIGUAL_W"},
    {"MENORIGUAL_W(", "MENORIGUAL_W"},
    {"DIFERENTE_W(", "DIFERENTE_W"},
    {"IGUAL_W(", "IGUAL_W"},
    {"MAIOR_W(", "MAIOR_W"},
    {"MENOR_W(", "MENOR_W"},
    {"MAIORIGUAL_L(", "MAIORIGUAL_L"},
    {"MENORIGUAL_L(", "MENORIGUAL_L"},
    {"DIFERENTE_L(", "DIFERENTE_L"},
    {"IGUAL_L(", "IGUAL_L"},
    {"MAIOR_L(", "MAIOR_L"},
    {"MENOR_L(", "MENOR_L"},
    {"TIMERP(", "TIMERP"},
    {"TIMERON(", "TIMERON"},
    {"TIMEROFF(", "TIMEROFF"},
    {"COUNTERUD(", "COUNTERUD"},
    {"COUNTERB(", "COUNTERB"},
    {"TIMERB(", "TIMERB"},
    {"COUNTERUP(", "COUNTERUP"},
    {"COUNTERDO(", "COUNTERDO"},
    {"COUNTERP(", "COUNTERP"},
    {"CALL(", "CALL"},
    {"JUMP(", "JUMP"},
    {"OPR(", "OPR"},
    {"PRP(", "PRP"},
    {"EO(", "EO"},
    {"BO(", "BO"},
    {"EP", "EP"},
    {"ESR", "ESR"},
    {"PID(", "PID"},
    {"ECR", "ECR"},
    {"CRPP(", "CRPP"},
    {"CRPS(", "CRPS"},
    {"CR(", "CR"},
    {"MP1(", "MP1"},
    {"MP2(", "MP2"},
    {"MP3(", "MP3"},
    {"MP4(", "MP4"},
    {"EVENTO(", "EVENTO"},
    {"ALARME(", "ALARME"},
    {"SET(", "SET"},
    {"RESET(", "RESET"},
}};

} // namespace

std::string NomeFuncao(std::string_view line) {
    for (const auto& k : kKeywords) {
        if (line.find(k.text) != std::string_view::npos) {
            return std::string(k.name);
        }
    }
    return {};
}

std::string ArgumentoExpressao(std::string_view line, int k) {
    if (line == "EP" || k < 1) {
        return {};
    }
    const auto open = line.find('(');
    if (open == std::string_view::npos) {
        return {};
    }
    std::size_t pos = open + 1;
    for (int i = 1; i < k; ++i) {
        const auto comma = line.find(',', pos);
        if (comma == std::string_view::npos) {
            return {};
        }
        pos = comma + 1;
    }
    const auto end = line.find_first_of(",)", pos);
    return std::string(line.substr(pos, end == std::string_view::npos ? end : end - pos));
}

std::vector<std::string> expressionArguments(std::string_view line) {
    std::vector<std::string> args;
    const auto open = line.find('(');
    if (open == std::string_view::npos) {
        return args;
    }
    const auto close = line.find(')', open);
    const std::string_view inner =
        line.substr(open + 1, close == std::string_view::npos ? close : close - open - 1);
    std::size_t pos = 0;
    while (true) {
        const auto comma = inner.find(',', pos);
        args.emplace_back(inner.substr(pos, comma == std::string_view::npos ? comma : comma - pos));
        if (comma == std::string_view::npos) {
            break;
        }
        pos = comma + 1;
    }
    return args;
}

std::string expressionName(std::string_view line) {
    return std::string(line.substr(0, line.find('(')));
}

std::string expressionLine(std::string_view name, const std::vector<std::string>& args) {
    std::string s(name);
    s += '(';
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i > 0) {
            s += ',';
        }
        s += args[i];
    }
    s += ')';
    return s;
}

} // namespace velmora::compiler
