#include "app/UserDictionary.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

#include "app/UserFolders.h"
#include "engine/Cp1251Literal.h"
#include "engine/Messages.h"

namespace vellumar {

namespace {

constexpr std::string_view kTitle = Cp1251<"Пользовательский словарь">;

void ReportFailure() {
    ShowMessage(Cp1251<
                "Не удалось записать новое определение в файл USER'S.DIC\r\n"
                "Возможно файл защищён от записи или диск переполнен">);
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

AppendResult AppendToUserDictionary(const std::string& line) {
    AppendResult result;
    const std::string path = UserDictionaryPath();
    CreateFolderOf(path);   // a failure shows when the file is opened
    struct stat info;
    const bool exists = ::stat(path.c_str(), &info) == 0;
    const bool missing = !exists && errno == ENOENT;   // not some other failure to look

    std::FILE* f = nullptr;
    std::string text;
    if (exists) {
        // Read and append: the last byte decides whether a line break comes first.
        f = std::fopen(path.c_str(), "a+b");
        if (f && !EndsWithLineBreak(f)) text = "\r\n";
    } else {
        // "x": never truncate a file that appeared meanwhile.
        if (missing) f = std::fopen(path.c_str(), "wbx");
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
