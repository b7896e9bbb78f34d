#include "app/Notes.h"

#include "app/FileIO.h"
#include "app/UserFolders.h"
#include "engine/Cp1251Literal.h"
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
    const std::optional<std::string> content = ReadWholeFile(NotesPath());
    return content ? ToCrLf(*content) : std::string();
}

bool SaveNotes(const std::string& text) {
    const std::string path = NotesPath();
    if (CreateFolderOf(path) && ReplaceFile(path, text)) return true;
    ShowMessage(Cp1251<"Не удалось сохранить заметки в файл Notes.txt">);
    return false;
}

}  // namespace vellumar
