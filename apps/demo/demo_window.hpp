#pragma once
// The demo host: the control on the sample data with the host's usual buttons.

#include <QComboBox>
#include <QMainWindow>
#include <map>
#include <string>
#include <zelvane/qt/custom_attr_widget.hpp>

namespace demo {

class DemoWindow final : public QMainWindow {
    Q_OBJECT
  public:
    // samplesFolder holds definitions.xml, values.xml, copy_template.xml, add_attribute.xml.
    DemoWindow(const QString& samplesFolder, const QString& mode);

    zelvane::qt::CustomAttrWidget& attributes() { return *attributes_; }
    // Initialises in the mode and loads the sample values.
    void load(const QString& mode);
    // The round trip's XML text after loading.
    std::string getData() { return attributes_->control().GetData(); }

    // Shows the control's message boxes as dialogs (the default); false writes them to stderr
    // instead, for runs that nobody watches (screenshots).
    void showMessagesAsDialogs(bool dialogs);

  private:
    void showControlMessage(const std::string& text);
    void chooseMode(const QString& mode);
    void readPickerLists(const QString& definitionsFile);
    void validate();
    void showData();
    void addAttribute();
    void removeSelected();
    void answerPick(zelvane::KeyedCollection& selection);
    QString sample(const QString& name) const;

    QString samples_;
    QString mode_;  // the mode the control was last initialised in
    std::map<std::string, std::string> listOfAttribute_;  // attribute name to value list id
    int controlMessages_ = 0;                             // message boxes the control has shown
    QComboBox* modeChooser_;
    zelvane::qt::CustomAttrWidget* attributes_;
};

}  // namespace demo
