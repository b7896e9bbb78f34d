// Compiled, not run: with VELLUMAR_UNCOVERED_CHARACTER defined it must fail to
// compile, since cp1251 has no such character; without it, it must compile.

#include "engine/Cp1251Literal.h"

using namespace vellumar::literals;

#ifdef VELLUMAR_UNCOVERED_CHARACTER
constexpr std::string_view kText = "Ключ 鍵"_cp;
#else
constexpr std::string_view kText = "Ключ"_cp;
#endif

static_assert(!kText.empty());
