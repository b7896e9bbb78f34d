#pragma once
// The entries of the result list (cp1251 result lines) as a list model. In
// alphabetical mode the entries are kept in the core's alphabetical order;
// otherwise they stay in the order they were put.

#include <QAbstractListModel>

#include <string>
#include <string_view>
#include <vector>

namespace vellumar::ui {

class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ResultListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // DisplayRole: the entry's word.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const std::vector<std::string>& Entries() const { return entries_; }
    const std::string& Entry(int row) const { return entries_[static_cast<std::size_t>(row)]; }
    int Count() const { return static_cast<int>(entries_.size()); }

    // Replaces every entry; in alphabetical mode they are put in order first.
    void SetEntries(std::vector<std::string> entries);
    void Clear() { SetEntries({}); }

    // Turning the mode on re-orders the entries at once.
    void SetAlphabetical(bool on);

    // The length and the weight order; both turn the alphabetical mode off.
    // The rows keep their numbers for the views (a selection stays at its row
    // number, whatever entry lands there).
    void SortByLength();
    void SortByWeight();

    // Keeps the entries whose whole text, upper-cased, contains `upperText`
    // (keepMatches) or the entries that don't (!keepMatches), in their order.
    void Filter(std::string_view upperText, bool keepMatches);

private:
    template <typename Reorder>
    void Rearrange(Reorder reorder);

    std::vector<std::string> entries_;
    bool alphabetical_ = true;
};

// True when `text`, upper-cased, contains `upperText`.
bool ContainsUpperCased(std::string_view text, std::string_view upperText);

}  // namespace vellumar::ui
