#include "app/UserDictionary.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/ProgramDirectory.h"
#include "engine/Messages.h"

namespace vellumar {

namespace {

// «Пользовательский словарь»
constexpr const char* kTitle =
    "\xCF\xEE\xEB\xFC\xE7\xEE\xE2\xE0\xF2\xE5\xEB\xFC\xF1\xEA\xE8\xE9 \xF1\xEB\xEE\xE2\xE0\xF0\xFC";

void ReportFailure() {
    // «Не удалось записать новое определение в файл USER'S.DIC» /
    // «Возможно файл защищён от записи или диск переполнен»
    ShowMessage(
        "\xCD\xE5 \xF3\xE4\xE0\xEB\xEE\xF1\xFC \xE7\xE0\xEF\xE8\xF1\xE0\xF2\xFC \xED\xEE\xE2\xEE\xE5 "
        "\xEE\xEF\xF0\xE5\xE4\xE5\xEB\xE5\xED\xE8\xE5 \xE2 \xF4\xE0\xE9\xEB USER'S.DIC\r\n"
        "\xC2\xEE\xE7\xEC\xEE\xE6\xED\xEE \xF4\xE0\xE9\xEB \xE7\xE0\xF9\xE8\xF9\xB8\xED \xEE\xF2 "
        "\xE7\xE0\xEF\xE8\xF1\xE8 \xE8\xEB\xE8 \xE4\xE8\xF1\xEA \xEF\xE5\xF0\xE5\xEF\xEE\xEB\xED\xE5\xED");
}

// Whether the file's last byte ends a line (an empty file needs no break either).
bool EndsWithLineBreak(std::FILE* f) {
    if (std::fseek(f, 0, SEEK_END) != 0) return false;
    const long size = std::ftell(f);
    if (size <= 0) return true;
    if (std::fseek(f, -1, SEEK_END) != 0) return false;
    const int last = std::fgetc(f);
    return last == '\r' || last == '\n';
}

bool WriteAll(std::FILE* f, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), f) == text.size();
}

}  // namespace

std::string UserDictionaryPath() { return ProgramDirectory() + UserDictionaryName; }

AppendResult AppendToUserDictionary(const std::string& line) {
    AppendResult result;
    const std::string path = UserDictionaryPath();
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);

    std::FILE* f = nullptr;
    std::string text;
    if (exists) {
        // Read and append: the last byte decides whether a line break comes first.
        f = std::fopen(path.c_str(), "a+b");
        if (f && !EndsWithLineBreak(f)) text = "\r\n";
    } else {
        // "x": never truncate a file that appeared meanwhile.
        if (!ec) f = std::fopen(path.c_str(), "wbx");
        if (f) {
            result.created = WriteAll(f, std::string(kTitle) + "\r\n");
        }
    }
    if (!f || (!exists && !result.created)) {
        if (f) std::fclose(f);
        ReportFailure();
        return result;
    }

    text += line + "\r\n";
    bool ok = WriteAll(f, text);
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        ReportFailure();
        return result;
    }
    result.written = true;
    return result;
}

}  // namespace vellumar
