#pragma once
// The fixed texts that the search and the statistics show (cp1251).

#include <string_view>

#include "engine/Cp1251Literal.h"

namespace vellumar::texts {

inline constexpr std::string_view CannotReadArchive = "Не могу прочитать архивный словарь"_cp;
inline constexpr std::string_view CannotReadPlainText = "Не могу прочитать пользовательский словарь"_cp;
inline constexpr std::string_view BadAnagramQuery =
    "Неправильно задана маска для поиска анаграмм\r\n"
    "Допустимы только русские буквы"_cp;
inline constexpr std::string_view BadWordQuery =
    "Неправильно задана маска для слова\r\n"
    "Допустимы только русские буквы и пробелы"_cp;
inline constexpr std::string_view NoDictionaries = "Словари не найдены"_cp;
inline constexpr std::string_view NothingFound =
    "Не удалось найти подходящих слов\r\n"
    "Попробуйте изменить запрос"_cp;
inline constexpr std::string_view OutOfMemory =
    "Не хватает памяти\r\n"
    "Попробуйте повторить поиск, закрыв другие программы"_cp;

}  // namespace vellumar::texts
