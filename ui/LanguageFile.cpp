#include "ui/LanguageFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QWidget>

#include <filesystem>
#include <optional>

#include "app/FileIO.h"
#include "app/ProfileStrings.h"
#include "ui/QtText.h"

namespace vellumar::ui {

namespace {

std::optional<QString> Value(const std::string& content, const QString& key) {
    const std::optional<std::string> value = ProfileValueIn(content, "Main", ToCp1251(key));
    if (!value) return std::nullopt;
    return FromCp1251(*value);
}

// Caption and hint of one control, read and written the same way for every kind.
struct Texts {
    QString caption;
    QString hint;
};

std::optional<Texts> TextsOf(QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        if (action->isSeparator()) return std::nullopt;
        return Texts{action->text(), action->statusTip()};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(object)) return Texts{button->text(), button->toolTip()};
    if (auto* label = qobject_cast<QLabel*>(object)) return Texts{label->text(), label->toolTip()};
    return std::nullopt;
}

void SetTexts(QObject* object, const Texts& texts) {
    if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(texts.caption);
        action->setStatusTip(texts.hint);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(texts.caption);
        button->setToolTip(texts.hint);
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(texts.caption);
        label->setToolTip(texts.hint);
    }
}

}  // namespace

void ApplyLanguageFile(const std::string& path, const std::vector<QObject*>& components) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return;
    // Read once: every control asks for two keys.
    const std::optional<std::string> content = ReadWholeFile(path);
    if (!content) return;
    for (QObject* object : components) {
        std::optional<Texts> texts = TextsOf(object);
        if (!texts || object->objectName().isEmpty()) continue;
        const QString name = object->objectName();
        if (auto caption = Value(*content, name)) texts->caption = *caption;
        if (auto hint = Value(*content, name + QStringLiteral("Hint"))) texts->hint = *hint;
        SetTexts(object, *texts);
    }
}

}  // namespace vellumar::ui
