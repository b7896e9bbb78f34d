#include "ui/QtText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vellumar::ui {

// One converter each for the program's life: opening one costs more than
// converting a short text, and the grid converts a letter per cell and paint.

QString FromCp1251(std::string_view text) {
    static QStringDecoder decoder("windows-1251", QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string ToCp1251(const QString& text) {
    // The encoder marks what it can't map with 0x1A, which no typed text
    // holds, so that byte is turned into '?'.
    static QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
    encoder.resetState();
    QByteArray bytes = encoder.encode(text);
    std::string out(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (encoder.hasError())
        for (char& c : out)
            if (c == '\x1A') c = '?';
    return out;
}

}  // namespace vellumar::ui
