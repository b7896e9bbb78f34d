// Compiled, not run: with VELLUMAR_UNCOVERED_CHARACTER defined it must fail to
// compile, since cp1251 has no such character; without it, it must compile.

#include "engine/Cp1251Literal.h"

#ifdef VELLUMAR_UNCOVERED_CHARACTER
constexpr std::string_view kText = vellumar::Cp1251<"Ключ 鍵">;
#else
constexpr std::string_view kText = vellumar::Cp1251<"Ключ">;
#endif

static_assert(!kText.empty());
