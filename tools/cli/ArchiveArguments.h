#pragma once
// The arguments of the commands that write a dictionary archive: "--method
// NAME" and "--title TITLE", a command's own flags, and the rest in order.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "archive/ArchiveFormat.h"

namespace vellumar::cli {

struct ArchiveArguments {
    MethodIndex method = MethodLH5;
    std::optional<std::string> title;    // UTF-8, as typed
    std::vector<std::string> positional;
};

// Reads `args` into `out`, setting each of `flags` that is given. An unknown
// option, a missing value or an unknown method is a usage error of `command`:
// its exit code is returned; nothing when all is well.
std::optional<int> ParseArchiveArguments(const char* command, const std::vector<std::string>& args,
                                         ArchiveArguments& out,
                                         std::initializer_list<std::pair<std::string_view, bool*>> flags = {});

}  // namespace vellumar::cli
