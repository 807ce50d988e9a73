// The demo host window on the sample data, driven with real mouse and key events: the control's
// refusals shown as dialogs, a list for every picker row, and a question before a mode change
// discards edits. Screenshots go to $ZLV_SHOT_DIR/demo_*.png when it is set.

#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <functional>

#include "demo_window.hpp"
#include "qt_support.hpp"

namespace {

void shoot(QWidget* w, const QString& name) { qttest::shoot(w, "demo_" + name); }

// Runs action; the first modal dialog it opens is handed to answer, which must close it.
// Gives the number of dialogs answered (0 or 1).
int withDialog(const std::function<void()>& action, const std::function<void(QWidget*)>& answer) {
    int answered = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || answered > 0) return;
        ++answered;
        poll.stop();
        answer(dialog);
    });
    poll.start();
    action();
    QApplication::processEvents();
    return answered;
}

struct DemoHarness {
    DemoHarness() : window(QString(ZLV_RESOURCE_DIR) + "/samples", "RETRIEVAL") {
        window.show();
        QApplication::processEvents();
    }
    zelvane::ZlvCustomAttr& control() { return window.attributes().control(); }
    QTableView* view() { return window.attributes().gridView(); }
    int indexOf(const std::string& attribute) {
        auto rows = control().platform().grid().GetRowSet();
        for (int i = 0; i < rows->recordCount(); ++i)
            if (zelvane::cellTextOrEmpty(rows->row(i)->value("Attribute")) == attribute) return i;
        return -1;
    }
    std::string cell(const std::string& attribute, const std::string& key) {
        const int row = indexOf(attribute);
        const auto rows = control().platform().grid().GetRowSet();
        return row < 0 ? "<no row>" : zelvane::cellTextOrEmpty(rows->row(row)->value(key));
    }
    // Opens the row's value editor and presses its "Select" button.
    void pressSelect(const std::string& attribute) {
        qttest::clickIndex(
            view(), qttest::cellIndex(window.attributes(), indexOf(attribute), "Value"), true);
        QPushButton* select = window.attributes().selectButton();
        ASSERT_TRUE(select->isVisible()) << "no Select button on " << attribute;
        QTest::mouseClick(select, Qt::LeftButton);
    }
    // Presses Select on the row, expects a chooser offering exactly offered and picks choice.
    void pick(const std::string& attribute, const QStringList& offered, const QString& choice) {
        QStringList shown;
        const int dialogs =
            withDialog([&] { pressSelect(attribute); },
                       [&](QWidget* dialog) {
                           shoot(dialog, "pick_" + QString::fromStdString(attribute));
                           if (auto* combo = dialog->findChild<QComboBox*>()) {
                               for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
                               combo->setCurrentText(choice);
                           }
                           static_cast<QDialog*>(dialog)->accept();
                       });
        EXPECT_EQ(dialogs, 1) << "no chooser for " << attribute;
        EXPECT_EQ(shown, offered) << attribute;
    }

    demo::DemoWindow window;
};

// Answers a question box by clicking one of its buttons.
std::function<void(QWidget*)> answerWith(QMessageBox::StandardButton choice) {
    return [choice](QWidget* dialog) {
        shoot(dialog, "mode_question");
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            QTest::mouseClick(box->button(choice), Qt::LeftButton);
    };
}

}  // namespace

TEST(DemoHost, ARefusedRemoveShowsTheControlsMessage) {
    DemoHarness demo;
    qttest::clickSelector(demo.view(), demo.indexOf("Region"));
    QString text;
    int dialogs = withDialog(
        [&] {
            for (auto* b : demo.window.findChildren<QPushButton*>())
                if (b->text() == "Remove selected") QTest::mouseClick(b, Qt::LeftButton);
        },
        [&](QWidget* dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(dialog)) text = box->text();
            shoot(dialog, "remove_refused");
            QTest::keyClick(dialog, Qt::Key_Return);
        });
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(text.toStdString(),
              "Please select valid Attribute. The selected attribute has Parent Attribute "
              "associated with it.");
    // Only the one dialog: the demo's own hint is for a Remove without selected rows.
    dialogs = withDialog([] {}, [](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(dialogs, 0);
    EXPECT_NE(demo.indexOf("Region"), -1);
}

// Unchanged values change mode without a question; after picks from every picker row's list
// the host asks, and No keeps the mode and the edits.
TEST(DemoHost, PickerRowsOfferTheirListsAndAModeChangeAsksBeforeDiscardingThem) {
    DemoHarness demo;
    QComboBox* chooser = demo.window.findChild<QComboBox*>();
    ASSERT_EQ(chooser->accessibleName(), "Mode");
    int dialogs = withDialog([&] { QTest::keyClick(chooser, Qt::Key_Down); },
                             [](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(demo.control().mode(), "COPYACROSS");
    QTest::keyClick(chooser, Qt::Key_Up);
    ASSERT_EQ(demo.control().mode(), "RETRIEVAL");

    // Each list follows the choice above it.
    demo.pick("Country", {"France", "Germany", "Italy"}, "Germany");
    demo.pick("Region", {"Bayern", "Berlin"}, "Bayern");
    demo.pick("City", {"München", "Nürnberg"}, "Nürnberg");
    demo.pick("Supplier", {"Acme Supplies", "Nordwind GmbH"}, "Nordwind GmbH");
    EXPECT_EQ(demo.cell("City", "Value") + " " + demo.cell("City", "valueId"), "Nürnberg NUE");
    EXPECT_EQ(demo.cell("Supplier", "valueId"), "S-22");
    shoot(&demo.window, "picked");
    ASSERT_TRUE(demo.control().IsDataChanged());

    dialogs =
        withDialog([&] { QTest::keyClick(chooser, Qt::Key_Down); }, answerWith(QMessageBox::No));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(chooser->currentText(), "RETRIEVAL");
    EXPECT_EQ(demo.control().mode(), "RETRIEVAL");
    EXPECT_EQ(demo.cell("City", "Value"), "Nürnberg");
    EXPECT_TRUE(demo.control().IsDataChanged());

    dialogs =
        withDialog([&] { QTest::keyClick(chooser, Qt::Key_Down); }, answerWith(QMessageBox::Yes));
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(chooser->currentText(), "COPYACROSS");
    EXPECT_EQ(demo.control().mode(), "COPYACROSS");
    EXPECT_NE(demo.cell("City", "Value"), "Nürnberg");
    EXPECT_FALSE(demo.control().IsDataChanged());
}

// Command lines that end the program before a window opens: what it exits with and the first
// line it writes. A window would keep the program running past the wait.
TEST(DemoHost, CommandLinesAnsweredWithoutAWindow) {
    const struct {
        QStringList args;
        int code;
        QString firstLine;
    } cases[] = {
        {{"--help"}, 0, "zlv-demo - the custom attribute control in a host window"},
        {{"--version"}, 0, "zlv-demo " ZLV_VERSION},
        {{"--mode", "CLONE", "--frob"},
         2,
         "zlv-demo: unknown option '--frob'; see 'zlv-demo --help'"},
        {{"--screenshot"}, 2, "zlv-demo: --screenshot needs a value"},
    };
    for (const auto& c : cases) {
        QProcess demo;
        demo.setProcessChannelMode(QProcess::MergedChannels);
        demo.start(ZLV_DEMO_PROGRAM, c.args);
        ASSERT_TRUE(demo.waitForFinished(10000)) << c.args.join(' ').toStdString();
        EXPECT_EQ(demo.exitCode(), c.code) << c.args.join(' ').toStdString();
        EXPECT_EQ(QString::fromUtf8(demo.readAll()).section('\n', 0, 0), c.firstLine);
    }
}
