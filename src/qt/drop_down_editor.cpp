#include "qt/drop_down_editor.hpp"

namespace zelvane::qt {

void QtComboBox::setEntries(std::vector<ListEntry> entries) {
    entries_ = std::move(entries);
    combo_->clear();
    for (const ListEntry& e : entries_)
        combo_->addItem(QString::fromStdString(e.text), QString::fromStdString(e.id));
    combo_->setCurrentIndex(-1);
    shownIndex_ = -1;
}

std::string QtComboBox::text() const {
    return (combo_->currentIndex() >= 0 ? combo_->currentText() : combo_->placeholderText())
        .toStdString();
}

void QtComboBox::setText(const std::string& text) {
    const QString t = QString::fromStdString(text);
    const int index = combo_->findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo_->setPlaceholderText(index < 0 ? t : QString());
    combo_->setCurrentIndex(index);
    shownIndex_ = index;
}

void DropDownEditor::write() { choose(userChanged() ? combo_->currentIndex() : -1); }

void DropDownEditor::choose(int index) {
    if (index >= 0) context_.raise([&](ControlEvents& e) { e.ComboChosen(index); });
    context_.dismissShown();
}

}  // namespace zelvane::qt
