#include "engine/Messages.h"

#include <cstdio>
#include <utility>

namespace vellumar {

namespace {
MessageHandler& CurrentHandler() {
    static MessageHandler handler;
    return handler;
}
}  // namespace

void ShowMessage(std::string_view text) {
    if (CurrentHandler()) {
        CurrentHandler()(std::string(text));
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace vellumar
