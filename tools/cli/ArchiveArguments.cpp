#include "tools/cli/ArchiveArguments.h"

#include "engine/Exception.h"
#include "tools/cli/Command.h"
#include "tools/pack/ArchiveWriter.h"

namespace vellumar::cli {

std::optional<int> ParseArchiveArguments(const char* command, const std::vector<std::string>& args,
                                         ArchiveArguments& out,
                                         std::initializer_list<std::pair<std::string_view, bool*>> flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool flag = false;
        for (const auto& [name, set] : flags) {
            if (a != name) continue;
            *set = flag = true;
        }
        if (flag) continue;
        if (a == "--method" || a == "--title") {
            if (i + 1 == args.size()) return UsageError(command, a + " needs a value");
            const std::string& value = args[++i];
            if (a == "--title") {
                out.title = value;
                continue;
            }
            try {
                out.method = pack::ParseMethodName(value);
            } catch (const Exception& e) {
                return UsageError(command, e.what());
            }
        } else if (a.starts_with("--")) {
            return UsageError(command, "unknown option " + a);
        } else {
            out.positional.push_back(a);
        }
    }
    return std::nullopt;
}

}  // namespace vellumar::cli
