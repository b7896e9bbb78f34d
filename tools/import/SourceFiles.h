#pragma once
// The files of a source that has several: found beside the one the user named.

#include <initializer_list>
#include <string>
#include <string_view>

namespace vellumar::import {

bool HasExtension(std::string_view path, std::string_view extension);  // ASCII case ignored
// `path` without the extension of its name, if it has one.
std::string WithoutLastExtension(const std::string& path);
// `path` without `extension` when it ends in it, else without whatever extension its name has.
std::string WithoutExtension(const std::string& path, std::string_view extension);

// The first `base` + extension that is a file, or empty.
std::string OptionalCompanionFile(const std::string& base, std::initializer_list<std::string_view> extensions);
// The same; throws EImportError naming the missing file when there is none.
std::string CompanionFile(const std::string& base, std::initializer_list<std::string_view> extensions,
                          std::string_view format, std::string_view what);

}  // namespace vellumar::import
