#include "ui/QtText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vellumar::ui {

QString FromCp1251(std::string_view text) {
    QStringDecoder decoder("windows-1251");
    return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string ToCp1251(const QString& text) {
    // Encoded one character at a time would be slow; the encoder marks what it
    // can't map with 0x1A, which no typed text holds, so it is turned into '?'.
    QStringEncoder encoder("windows-1251");
    QByteArray bytes = encoder.encode(text);
    std::string out(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (encoder.hasError())
        for (char& c : out)
            if (c == '\x1A') c = '?';
    return out;
}

}  // namespace vellumar::ui
