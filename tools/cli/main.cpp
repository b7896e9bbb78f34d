// vellumar-cli: scripting, inspecting and packing dictionaries.

#include "tools/cli/Command.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <iostream>

namespace vellumar::cli {

namespace {
std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

void PrintHelp(std::ostream& out) {
    out << "Usage: vellumar-cli COMMAND [ARGS...]\n\nCommands:\n";
    for (const Command& c : Commands())
        out << "  " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
    out << "\nvellumar-cli --help shows this text.\n";
}
}  // namespace

CommandRegistration::CommandRegistration(const Command& command) {
    Registry().push_back(command);
    std::sort(Registry().begin(), Registry().end(),
              [](const Command& a, const Command& b) { return std::string(a.name) < b.name; });
}

const std::vector<Command>& Commands() { return Registry(); }

int UsageError(const std::string& commandName, const std::string& message) {
    std::cerr << "vellumar-cli: " << message << '\n';
    for (const Command& c : Commands())
        if (commandName == c.name) std::cerr << "usage: vellumar-cli " << c.name << ' ' << c.usage << '\n';
    return kExitUsage;
}

}  // namespace vellumar::cli

int main(int argc, char** argv) {
    using namespace vellumar::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(std::cerr);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(std::cout);
        return kExitOk;
    }
    for (const Command& c : Commands()) {
        if (args[0] != c.name) continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
            std::cout << "usage: vellumar-cli " << c.name << ' ' << c.usage << "\n" << c.summary << '\n';
            return kExitOk;
        }
        try {
            return c.run(rest);
        } catch (const std::exception& e) {
            std::cerr << "vellumar-cli: " << e.what() << '\n';
            return kExitFailure;
        }
    }
    std::cerr << "vellumar-cli: unknown command '" << args[0] << "' (try --help)\n";
    return kExitUsage;
}
