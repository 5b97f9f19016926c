// velmora-cli address OPERAND...: the controller address of each operand from the memory map.
#include "cli/cli.h"

#include "core/operands/memory_map.h"
#include "core/operands/operand_address.h"
#include "core/text/cp1252.h"

#include <cstdio>
#include <ostream>

namespace velmora::cli {

int runAddress(Context& ctx) {
    std::ostream& out = *ctx.out;
    std::ostream& err = *ctx.err;
    if (ctx.args.empty()) {
        err << "usage: velmora-cli address OPERAND... [--map FILE]\n";
        return 2;
    }
    const std::filesystem::path path = ctx.mapFile();
    MemoryMap map;
    const MapReadResult read = LeMapaMemoria(map, path);
    if (!read) {
        err << "velmora-cli: " << read.error << "\n";
        return 2;
    }
    for (const auto& p : read.problems) {
        err << "velmora-cli: " << path.string() << ":" << p.line
            << ": value refused, key kept: " << text::cp1252ToUtf8(p.text) << "\n";
    }
    int status = 0;
    for (const auto& arg : ctx.args) {
        const std::string operand = text::utf8ToCp1252(arg);
        const AddressResult r = resolveAddress(map, operand);
        out << arg << '\t';
        switch (r.status) {
        case AddressResult::Status::Ok: {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(r.address));
            out << hex;
            break;
        }
        case AddressResult::Status::OutOfRange:
            out << text::cp1252ToUtf8(r.text);
            status = 1;
            break;
        case AddressResult::Status::NoAddress:
            out << "no address";
            status = 1;
            break;
        case AddressResult::Status::NotAnOperand:
            out << "not an operand";
            status = 1;
            break;
        }
        out << '\n';
    }
    return status;
}

} // namespace velmora::cli
