#include "core/compiler/code_generator.h"

#include "core/compiler/code_table.h"
#include "core/compiler/expression_text.h"
#include "core/operands/operand_address.h"
#include "core/operands/operand_class.h"

namespace velmora::compiler {

namespace {

class Encoder {
public:
    Encoder(std::string_view line, const MemoryMap& map, CodeDiagnostics* diagnostics)
        : line_(line), map_(map), diagnostics_(diagnostics) {}

    void problem(std::string operand, std::string text) {
        ok_ = false;
        if (diagnostics_ != nullptr) {
            diagnostics_->push_back({std::string(line_), 0, std::move(operand), std::move(text)});
        }
    }

    std::uint16_t address(int k) {
        const std::string arg = ArgumentoExpressao(line_, k);
        const AddressResult r = resolveAddress(map_, arg);
        switch (r.status) {
        case AddressResult::Status::Ok:
            return r.address;
        case AddressResult::Status::OutOfRange:
            problem(arg, r.text);
            return 0;
        case AddressResult::Status::NoAddress:
            problem(arg, "operand without an address");
            return 0;
        case AddressResult::Status::NotAnOperand:
            if (!arg.empty()) {
                problem(arg, "not an operand");
            }
            return 0;
        }
        return 0;
    }

    std::optional<std::int32_t> number(int k) {
        const std::string arg = ArgumentoExpressao(line_, k);
        const auto n = toInt32(arg);
        if (!n) {
            problem(arg, "not a number");
        }
        return n;
    }

    void byte(std::uint8_t b) { bytes_.push_back(b); }
    void word(std::uint16_t w) {
        byte(static_cast<std::uint8_t>(w & 0xFF));
        byte(static_cast<std::uint8_t>(w >> 8));
    }
    void addresses(int from, int to) {
        for (int k = from; k <= to; ++k) {
            word(address(k));
        }
    }

    std::vector<std::uint8_t> encode() {
        const std::string name = NomeFuncao(line_);
        const CodeEntry* e = findCode(name);
        if (e == nullptr) {
            return {};
        }
        std::uint8_t opcode = e->opcode;
        Layout layout = e->layout;
        if (e->choice != Choice::None) {
            const std::string arg = ArgumentoExpressao(line_, e->choiceArgument);
            if (ClasseOperando(arg) == "N") {
                opcode = *e->constantOpcode;
                layout = e->constantLayout;
            } else if (e->choice == Choice::ConstantOrSize &&
                       TamanhoOperando(arg) != e->sizeClass) {
                problem(arg, "operand of another size than the function's");
                return {};
            }
        }
        switch (layout) {
        case Layout::Short:
            byte(opcode);
            byte(0);
            break;
        case Layout::TwoAddress:
        case Layout::ThreeAddress:
        case Layout::FourAddress:
            byte(opcode);
            byte(0);
            addresses(1, layout == Layout::TwoAddress ? 2 : layout == Layout::ThreeAddress ? 3 : 4);
            break;
        case Layout::Packed1:
            byte(opcode);
            addresses(1, 1);
            break;
        case Layout::Packed8:
            byte(opcode);
            addresses(1, 8);
            break;
        case Layout::FastCounter: {
            byte(opcode);
            byte(0);
            addresses(1, 2);
            const auto k = number(3);
            word(static_cast<std::uint16_t>(k.value_or(0)));
            addresses(4, 4);
            break;
        }
        case Layout::Pid: {
            const std::uint16_t block = address(3);
            byte(static_cast<std::uint8_t>((opcode + block) % 256));
            addresses(1, 2);
            word(block);
            addresses(4, 9);
            addresses(13, 15);
            addresses(10, 12);
            break;
        }
        case Layout::LongConstant: {
            byte(opcode);
            byte(0);
            addresses(1, 1);
            const auto k = number(2);
            const auto v = static_cast<std::uint32_t>(k.value_or(0));
            for (int i = 0; i < 4; ++i) {
                byte(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
            }
            addresses(3, 3);
            break;
        }
        }
        return bytes_;
    }

private:
    std::string_view line_;
    const MemoryMap& map_;
    CodeDiagnostics* diagnostics_;
    std::vector<std::uint8_t> bytes_;
    bool ok_ = true;
};

} // namespace

std::vector<std::uint8_t> GeraCodigo(std::string_view line, const MemoryMap& map,
                                     CodeDiagnostics* diagnostics) {
    Encoder e(line, map, diagnostics);
    return e.encode();
}

int countedBytes(std::string_view line, CodeDiagnostics* diagnostics) {
    const CodeEntry* e = findCode(NomeFuncao(line));
    if (e == nullptr) {
        if (diagnostics != nullptr) {
            diagnostics->push_back({std::string(line), 0, {}, std::string(kComponenteNaoAchado)});
        }
        return 0;
    }
    return e->counted;
}

std::int32_t TamanhoCodigo(const std::vector<std::string>& lines, CodeDiagnostics* diagnostics) {
    std::int32_t total = 0;
    for (const auto& l : lines) {
        total += countedBytes(l, diagnostics);
    }
    return total;
}

std::uint8_t ChecksumCodigo(const std::vector<std::string>& lines, const MemoryMap& map) {
    std::uint8_t sum = 0;
    for (const auto& l : lines) {
        for (std::uint8_t b : GeraCodigo(l, map)) {
            sum ^= b;
        }
    }
    return sum;
}

} // namespace velmora::compiler
