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
    if (role == Qt::DisplayRole) return FromCp1251(WordPart(Entry(index.row())));
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

// A new order of the same entries. No persistent index is moved on purpose:
// the list keeps its selected row number, as the sorts of the page expect.
template <typename Reorder>
void ResultListModel::Rearrange(Reorder reorder) {
    Q_EMIT layoutAboutToBeChanged();
    try {
        reorder(entries_);
    } catch (...) {
        Q_EMIT layoutChanged();   // the views must not be left waiting
        throw;
    }
    Q_EMIT layoutChanged();
}

void ResultListModel::SetAlphabetical(bool on) {
    if (on == alphabetical_) return;
    alphabetical_ = on;
    if (on) Rearrange(SortAlphabetical);
}

void ResultListModel::SortByLength() {
    alphabetical_ = false;
    Rearrange(vellumar::SortByLength);
}

void ResultListModel::SortByWeight() {
    alphabetical_ = false;
    Rearrange(vellumar::SortByWeight);
}

void ResultListModel::Filter(std::string_view upperText, bool keepMatches) {
    beginResetModel();
    std::erase_if(entries_, [&](const std::string& entry) {
        return ContainsUpperCased(entry, upperText) != keepMatches;
    });
    endResetModel();
}

bool ContainsUpperCased(std::string_view text, std::string_view upperText) {
    return std::search(text.begin(), text.end(), upperText.begin(), upperText.end(),
                       [](char a, char b) { return UpperChar(a) == b; }) != text.end() ||
           upperText.empty();
}

}  // namespace vellumar::ui
