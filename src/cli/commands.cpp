#include "cli/cli.h"

namespace velmora::cli {

int runAddress(Context&);
int runIl(Context&);
int runExpressions(Context&);
int runCode(Context&);
int runEncode(Context&);
int runDump(Context&);
int runConvert(Context&);
int runCheck(Context&);

// Each subcommand lives in its own file; this table is the one place that lists them.
const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"address", "address OPERAND...  the controller address of each operand", &runAddress},
        {"encode", "encode LINE...  the instruction bytes of each expression line", &runEncode},
        {"il", "il FILE.vlp  the instruction list of the main program", &runIl},
        {"expressions", "expressions FILE.vlp  the expression lines of a full compile",
         &runExpressions},
        {"code", "code FILE.vlp  each expression line with its bytes, the size and checksum",
         &runCode},
        {"dump", "dump FILE.vlp  the project text unscrambled", &runDump},
        {"convert", "convert IN OUT [--plain]  rewrite a project (scrambled unless --plain)",
         &runConvert},
        {"check", "check FILE.vlp  every error and warning of a download compile; 1 if refused",
         &runCheck},
    };
    return table;
}

} // namespace velmora::cli
