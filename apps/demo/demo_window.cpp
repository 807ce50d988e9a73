#include "demo_window.hpp"

#include <QFile>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "sample_lists.hpp"

namespace demo {

DemoWindow::DemoWindow(const QString& samplesFolder, const QString& mode)
    : samples_(samplesFolder),
      modeChooser_(new QComboBox),
      attributes_(new zelvane::qt::CustomAttrWidget) {
    setWindowTitle("Zelvane Custom Attribute");
    modeChooser_->addItems({"CREATE", "RETRIEVAL", "COPYACROSS", "CLONE"});
    modeChooser_->setCurrentText(mode);
    modeChooser_->setAccessibleName("Mode");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(modeChooser_);
    const std::pair<const char*, void (DemoWindow::*)()> actions[] = {
        {"Validate", &DemoWindow::validate},
        {"Get Data", &DemoWindow::showData},
        {"Add attribute", &DemoWindow::addAttribute},
        {"Remove selected", &DemoWindow::removeSelected}};
    for (const auto& [caption, slot] : actions) {
        auto* b = new QPushButton(caption);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(buttons);
    layout->addWidget(attributes_, 1);
    setCentralWidget(central);
    resize(760, 440);
    attributes_->control().setValueListProvider(&valueList);
    connect(attributes_, &zelvane::qt::CustomAttrWidget::PickerButtonClicked, this,
            &DemoWindow::answerPick);
    connect(modeChooser_, &QComboBox::currentTextChanged, this, &DemoWindow::load);
    load(mode);
}

QString DemoWindow::sample(const QString& name) const {
    QFile f(samples_ + "/" + name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void DemoWindow::load(const QString& mode) {
    auto& c = attributes_->control();
    c.setMode(mode.toStdString());
    c.setEntityTypeId("ET_PRODUCT");
    c.setDateOnlyFormat("dd/MM/yyyy");
    c.setTimeOnlyFormat("hh:mm");
    c.setDateTimeFormat("dd/MM/yyyy hh:mm");
    c.setAttributeXML(sample("definitions.xml").toStdString());
    c.setCopyTemplateXML(sample("copy_template.xml").toStdString());
    attributes_->Intialize();
    std::string values = sample("values.xml").toStdString();
    attributes_->SetData(values);
}

void DemoWindow::validate() {
    std::string errors;
    const bool ok = modeChooser_->currentText() == "CREATE"
                        ? attributes_->validateCreate(errors)
                        : attributes_->validateRetrieval(errors);
    QString text = QString::fromStdString(errors).replace("\r\n", "\n").trimmed();
    QMessageBox::information(this, "Validate", ok ? "All values are valid." : text);
}

void DemoWindow::showData() {
    QMessageBox::information(this, "Get Data", QString::fromStdString(attributes_->GetData()));
}

void DemoWindow::addAttribute() { attributes_->Add(sample("add_attribute.xml").toStdString()); }

void DemoWindow::removeSelected() {
    if (!attributes_->Remove())
        QMessageBox::information(this, "Remove", "Select rows with the row selectors first.");
}

// A small chooser: the list of the row's value list (or of its parent's value).
void DemoWindow::answerPick(zelvane::KeyedCollection& selection) {
    const std::string kind = zelvane::cellTextOrEmpty(selection.Item(1));
    const auto entries = kind == "Standard"
                             ? valueList(zelvane::cellTextOrEmpty(selection.Item(2)), "")
                             : valueList("", zelvane::cellTextOrEmpty(selection.Item(3)));
    QStringList texts;
    for (const auto& e : entries) texts << QString::fromStdString(e.text);
    bool ok = false;
    const QString chosen =
        texts.isEmpty() ? QString()
                        : QInputDialog::getItem(this, "Select", "Value:", texts, 0, false, &ok);
    for (const auto& e : entries)
        if (ok && QString::fromStdString(e.text) == chosen) {
            attributes_->setCellValue(e.id, e.text, true);
            return;
        }
    attributes_->setCellValue("", "", false);
}

}  // namespace demo
