// vellumar-cli: scripting, inspecting and packing dictionaries.

#include "app/FileIO.h"
#include "engine/Messages.h"
#include "tools/cli/Command.h"
#include "tools/cli/Output.h"

#include <algorithm>
#include <cstdio>
#include <exception>

namespace vellumar::cli {

namespace {
std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

// The command's name and, when it takes any, its arguments.
std::string Synopsis(const Command& c) { return *c.usage ? std::string(c.name) + ' ' + c.usage : std::string(c.name); }

std::string HelpText() {
    std::string text = "Usage: vellumar-cli COMMAND [ARGS...]\n\nCommands:\n";
    for (const Command& c : Commands())
        text += "  " + Synopsis(c) + "\n      " + c.summary + '\n';
    return text + "\nvellumar-cli --help shows this text.\n";
}
}  // namespace

CommandRegistration::CommandRegistration(const Command& command) {
    Registry().push_back(command);
    std::sort(Registry().begin(), Registry().end(),
              [](const Command& a, const Command& b) { return std::string(a.name) < b.name; });
}

const std::vector<Command>& Commands() { return Registry(); }

int UsageError(const std::string& commandName, const std::string& message) {
    WriteErr("vellumar-cli: " + message + '\n');
    for (const Command& c : Commands())
        if (commandName == c.name) WriteErr("usage: vellumar-cli " + Synopsis(c) + '\n');
    return kExitUsage;
}

bool CheckFolderOption(const std::string& dir) {
    if (dir.empty() || IsDirectory(dir)) return true;
    WriteErr("vellumar-cli: " + dir + ": no such folder\n");
    return false;
}

}  // namespace vellumar::cli

int main(int argc, char** argv) {
    using namespace vellumar::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    // Every command shows the core's messages on standard error, as UTF-8.
    vellumar::SetMessageHandler(PrintMessageToStderr);
    if (args.empty()) {
        WriteErr(HelpText());
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        WriteOut(HelpText());
        return kExitOk;
    }
    for (const Command& c : Commands()) {
        if (args[0] != c.name) continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
            WriteOut("usage: vellumar-cli " + Synopsis(c) + "\n" + c.summary + '\n');
            return kExitOk;
        }
        try {
            return c.run(rest);
        } catch (const std::exception& e) {
            WriteErr(std::string("vellumar-cli: ") + e.what() + '\n');
            return kExitFailure;
        }
    }
    WriteErr("vellumar-cli: unknown command '" + args[0] + "' (try --help)\n");
    return kExitUsage;
}
