#include "tools/cli/Output.h"

#include <cstdio>

#include "tools/cli/Encoding.h"

namespace vellumar::cli {

void WriteOut(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

bool FinishOut() { return std::fflush(stdout) == 0 && !std::ferror(stdout); }

void WriteErr(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stderr); }

void PrintMessageToStderr(const std::string& cp1251) {
    const std::string text = Cp1251ToUtf8(cp1251);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    out += '\n';
    WriteErr(out);
}

}  // namespace vellumar::cli
