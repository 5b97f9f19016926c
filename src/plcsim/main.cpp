#include <cstring>
#include <iostream>

// The virtual controller. It grows with the communication procedures; for now it only says
// what it will do.
int main(int argc, char** argv) {
    const bool help =
        argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
    std::ostream& out = help ? std::cout : std::cerr;
    out << "usage: velmora-plcsim [--help]\n\n"
           "The virtual controller answers the controller protocol over a serial device, a\n"
           "pseudo-terminal or the simulator exchange files. No transport is built yet.\n";
    return help ? 0 : 2;
}
