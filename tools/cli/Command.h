#pragma once
// Subcommands of vellumar-cli register themselves here, one file each.

#include <string>
#include <vector>

namespace vellumar::cli {

// Exit codes shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

using CommandFunction = int (*)(const std::vector<std::string>& args);

struct Command {
    const char* name;
    const char* usage;    // one line: arguments after the name
    const char* summary;  // one line: what it does
    CommandFunction run;
};

// Registers a command at static-initialisation time; keep one static instance per command file.
struct CommandRegistration {
    explicit CommandRegistration(const Command& command);
};

const std::vector<Command>& Commands();

// Prints "vellumar-cli: <message>" and the command's usage on stderr; returns kExitUsage.
int UsageError(const std::string& commandName, const std::string& message);

// The folder a --dir option names: true when it is one (or none is named);
// otherwise false after "vellumar-cli: DIR: no such folder" on stderr, and the
// caller exits kExitUsage, so that a mistyped path is not taken for a folder
// without dictionaries.
bool CheckFolderOption(const std::string& dir);

}  // namespace vellumar::cli
