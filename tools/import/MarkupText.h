#pragma once
// The text of HTML, Pango and XDXF markup as StarDict stores it: tags removed,
// line-breaking tags as line breaks, entities as their characters. XDXF's
// <k>…</k> repeats the headword and goes with its content, as do scripts and
// styles.

#include <string>
#include <string_view>

namespace vellumar::import {

std::string MarkupText(std::string_view markup);

}  // namespace vellumar::import
