#pragma once
// The fixed texts that the search and the statistics show (cp1251).

#include <string_view>

#include "engine/Cp1251Literal.h"

namespace vellumar::texts {

inline constexpr std::string_view CannotReadArchive = Cp1251<"Не могу прочитать архивный словарь">;
inline constexpr std::string_view CannotReadPlainText = Cp1251<"Не могу прочитать пользовательский словарь">;
inline constexpr std::string_view BadAnagramQuery =
    Cp1251<
        "Неправильно задана маска для поиска анаграмм\r\n"
        "Допустимы только русские буквы">;
inline constexpr std::string_view BadWordQuery =
    Cp1251<
        "Неправильно задана маска для слова\r\n"
        "Допустимы только русские буквы и пробелы">;
inline constexpr std::string_view NoDictionaries = Cp1251<"Словари не найдены">;
inline constexpr std::string_view NothingFound =
    Cp1251<
        "Не удалось найти подходящих слов\r\n"
        "Попробуйте изменить запрос">;
inline constexpr std::string_view OutOfMemory =
    Cp1251<
        "Не хватает памяти\r\n"
        "Попробуйте повторить поиск, закрыв другие программы">;

}  // namespace vellumar::texts
