#include "ui/ResultListModel.h"

#include <algorithm>

#include "app/ResultOrder.h"
#include "engine/Letters.h"
#include "ui/QtText.h"

namespace vellumar::ui {

ResultListModel::ResultListModel(QObject* parent) : QAbstractListModel(parent) {}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) return {};
    const std::string& entry = Entry(index.row());
    if (role == Qt::DisplayRole) return FromCp1251(WordPart(entry));
    if (role == Qt::UserRole) return QByteArray(entry.data(), static_cast<qsizetype>(entry.size()));
    return {};
}

void ResultListModel::SetEntries(std::vector<std::string> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    if (alphabetical_ && !std::is_sorted(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
            return CompareAlphabetical(a, b) < 0;
        }))
        SortAlphabetical(entries_);
    endResetModel();
}

void ResultListModel::SetAlphabetical(bool on) {
    if (on == alphabetical_) return;
    alphabetical_ = on;
    if (!on) return;
    Q_EMIT layoutAboutToBeChanged();
    SortAlphabetical(entries_);
    Q_EMIT layoutChanged();
}

}  // namespace vellumar::ui
