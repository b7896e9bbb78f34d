#include "app/Notes.h"

#include "app/FileIO.h"
#include "engine/Messages.h"

namespace vellumar {

std::string ToCrLf(const std::string& text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            result += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            result += "\r\n";
        } else {
            result += c;
        }
    }
    return result;
}

std::string LoadNotes() {
    const std::optional<std::string> content = ReadWholeFile(NotesFileName);
    return content ? ToCrLf(*content) : std::string();
}

bool SaveNotes(const std::string& text) {
    if (ReplaceFile(NotesFileName, text)) return true;
    // «Не удалось сохранить заметки в файл Notes.txt»
    ShowMessage("\xCD\xE5 \xF3\xE4\xE0\xEB\xEE\xF1\xFC \xF1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC "
                "\xE7\xE0\xEC\xE5\xF2\xEA\xE8 \xE2 \xF4\xE0\xE9\xEB Notes.txt");
    return false;
}

}  // namespace vellumar
