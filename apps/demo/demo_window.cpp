#include "demo_window.hpp"

#include <QFile>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QXmlStreamReader>
#include <iostream>

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
    showMessagesAsDialogs(true);
    readPickerLists(samples_ + "/definitions.xml");
    readPickerLists(samples_ + "/add_attribute.xml");
    connect(attributes_, &zelvane::qt::CustomAttrWidget::PickerButtonClicked, this,
            &DemoWindow::answerPick);
    connect(modeChooser_, &QComboBox::currentTextChanged, this, &DemoWindow::chooseMode);
    load(mode);
}

void DemoWindow::showMessagesAsDialogs(bool dialogs) {
    if (!dialogs) {
        attributes_->setMessageSink([](const std::string& m) { std::cerr << m << '\n'; });
        return;
    }
    attributes_->setMessageSink([this](const std::string& m) { showControlMessage(m); });
}

// The control's message box: its text and an OK button, titled by the host window.
void DemoWindow::showControlMessage(const std::string& text) {
    ++controlMessages_;
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), QString::fromStdString(text),
                    QMessageBox::Ok, this);
    box.exec();
}

// The value list of each picker row, by attribute name: a dependent pick names its row only.
void DemoWindow::readPickerLists(const QString& definitionsFile) {
    QFile f(definitionsFile);
    if (!f.open(QIODevice::ReadOnly)) return;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QStringLiteral("caTemplates")) continue;
        const auto a = xml.attributes();
        if (a.value("controlType") == QStringLiteral("Picker"))
            listOfAttribute_[a.value("caName").toString().toStdString()] =
                a.value("valueListId").toString().toStdString();
    }
}

// A new mode initialises the control again: edits are lost, so the user is asked first. On
// No the chooser shows the previous mode again and the control stays as it is.
void DemoWindow::chooseMode(const QString& mode) {
    if (mode == mode_) return;
    if (attributes_->control().IsDataChanged()) {
        const auto answer = QMessageBox::question(
            this, "Change mode",
            "The values have been changed. Switching to " + mode +
                " reloads the attributes and discards the changes. Switch anyway?",
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            const QSignalBlocker quiet(modeChooser_);
            modeChooser_->setCurrentText(mode_);
            return;
        }
    }
    load(mode);
}

QString DemoWindow::sample(const QString& name) const {
    QFile f(samples_ + "/" + name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void DemoWindow::load(const QString& mode) {
    mode_ = mode;
    if (modeChooser_->currentText() != mode) {
        const QSignalBlocker quiet(modeChooser_);
        modeChooser_->setCurrentText(mode);
    }
    attributes_->setMode(mode);
    attributes_->setEntityTypeId("ET_PRODUCT");
    attributes_->setDateOnlyFormat("dd/MM/yyyy");
    attributes_->setTimeOnlyFormat("hh:mm");
    attributes_->setDateTimeFormat("dd/MM/yyyy hh:mm");
    attributes_->setAttributeXML(sample("definitions.xml"));
    attributes_->setCopyTemplateXML(sample("copy_template.xml"));
    attributes_->Intialize();
    attributes_->SetData(sample("values.xml"));
}

void DemoWindow::validate() {
    QString errors;
    const bool ok = modeChooser_->currentText() == "CREATE"
                        ? attributes_->validateCreate(errors)
                        : attributes_->validateRetrieval(errors);
    const QString text = errors.replace("\r\n", "\n").trimmed();
    QMessageBox::information(this, "Validate", ok ? "All values are valid." : text);
}

void DemoWindow::showData() { QMessageBox::information(this, "Get Data", attributes_->GetData()); }

void DemoWindow::addAttribute() { attributes_->Add(sample("add_attribute.xml")); }

// A refusal of the control has already been shown as its message box; Remove also returns
// False without a message when no row is selected, and then the demo says how to select.
void DemoWindow::removeSelected() {
    const int before = controlMessages_;
    if (!attributes_->Remove() && controlMessages_ == before)
        QMessageBox::information(this, "Remove", "Select rows with the row selectors first.");
}

// A small chooser over the row's list; Cancel, or a row whose parent has no value yet,
// answers without a value.
void DemoWindow::answerPick(zelvane::KeyedCollection& selection) {
    const PickRequest request = pickRequest(selection, listOfAttribute_);
    if (!request.missingParent.empty()) {
        QMessageBox::information(this, "Select",
                                 QString::fromStdString("Choose a " + request.missingParent +
                                                        " before the " + request.attribute + "."));
    }
    QStringList texts;
    for (const auto& e : request.entries) texts << QString::fromStdString(e.text);
    bool ok = false;
    const QString label = request.attribute.empty()
                              ? QString("Value:")
                              : QString::fromStdString(request.attribute + ":");
    const QString chosen = texts.isEmpty()
                               ? QString()
                               : QInputDialog::getItem(this, "Select", label, texts, 0, false, &ok);
    for (const auto& e : request.entries)
        if (ok && QString::fromStdString(e.text) == chosen) {
            attributes_->setCellValue(QString::fromStdString(e.id), chosen, true);
            return;
        }
    attributes_->setCellValue(QString(), QString(), false);
}

}  // namespace demo
