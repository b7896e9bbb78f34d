#pragma once
// How the result list draws an entry: its word alone, in the window's colours
// or, for an entry in any state (selected, focused), in the highlight colours,
// 2 pixels in and 1 pixel up from the row's corner, in rows of 15 pixels. The
// word is decoded into a buffer kept between rows, so painting a row allocates
// no string of its own.

#include <QAbstractItemDelegate>
#include <QStringDecoder>

#include <vector>

namespace vellumar::ui {

class ResultListModel;

class WordListDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    static constexpr int RowHeight = 15;

    WordListDelegate(const ResultListModel* model, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Every row is RowHeight high; the list stretches it to its own width.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const ResultListModel* model_;
    mutable QStringDecoder decoder_;
    mutable std::vector<QChar> buffer_;
};

}  // namespace vellumar::ui
