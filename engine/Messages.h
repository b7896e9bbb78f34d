#pragma once
// The one seam through which the toolkit-free code shows a message to the user.
// The window installs a handler that opens a message box; the command-line tool
// prints to standard error; tests record what was shown.

#include <functional>
#include <string>
#include <string_view>

namespace vellumar {

// `text` is cp1251; lines of a multi-line message are separated by "\r\n".
using MessageHandler = std::function<void(const std::string& text)>;

void ShowMessage(std::string_view text);

// Installs `handler` and returns the one it replaced. An empty handler restores
// the default, which writes the text to standard error.
MessageHandler SetMessageHandler(MessageHandler handler);

}  // namespace vellumar
