#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace velmora::cli {

// What every subcommand receives: its own arguments (common options already taken out),
// the common options, and the streams to write to.
struct Context {
    std::vector<std::string> args;
    std::optional<std::filesystem::path> map;  // --map FILE
    std::optional<std::filesystem::path> lang; // --lang FILE
    std::optional<std::filesystem::path> home; // --home DIR
    std::ostream* out = nullptr;
    std::ostream* err = nullptr;

    // The start-up folder these options name (see resolveHomeFolder).
    std::filesystem::path homeFolder() const;
    // --map, else the start-up folder's Enderecos.txt, else the shipped one.
    std::filesystem::path mapFile() const;
};

struct Command {
    const char* name;
    const char* usage; // one line for --help
    int (*run)(Context&);
};

// Every subcommand, in the order --help lists them.
const std::vector<Command>& commands();

// Runs the command line; returns the exit status.
int runCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);

} // namespace velmora::cli
