#include "ui/WordListDelegate.h"

#include <QPainter>

#include "engine/Letters.h"
#include "ui/ResultListModel.h"

namespace vellumar::ui {

WordListDelegate::WordListDelegate(const ResultListModel* model, QObject* parent)
    : QAbstractItemDelegate(parent), model_(model), decoder_("windows-1251") {}

void WordListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= model_->Count()) return;
    const bool marked = option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
    const QPalette& palette = option.palette;
    painter->fillRect(option.rect, palette.color(marked ? QPalette::Highlight : QPalette::Base));

    const std::string_view word = WordPart(model_->Entry(index.row()));
    const QByteArrayView bytes(word.data(), static_cast<qsizetype>(word.size()));
    const auto needed = static_cast<std::size_t>(decoder_.requiredSpace(bytes.size()));
    if (buffer_.size() < needed) buffer_.resize(needed);
    const QChar* end = decoder_.appendToBuffer(buffer_.data(), bytes);
    const QString text = QString::fromRawData(buffer_.data(), end - buffer_.data());

    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    painter->setFont(option.font);
    painter->setPen(palette.color(marked ? QPalette::HighlightedText : QPalette::Text));
    const QRect textRect = option.rect.adjusted(2, -1, 0, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter->restore();
}

QSize WordListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return QSize(0, RowHeight);
}

}  // namespace vellumar::ui
