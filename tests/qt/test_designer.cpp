// The widget as a Qt developer meets it: Qt properties written and read by name, QString texts
// in UTF-8, the signals a form wires, the Designer plugin and a form made with it.

#include <QFile>
#include <QPluginLoader>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <QtUiTools/QUiLoader>
#include <memory>

#include "qt_gestures.hpp"

namespace {

using zelvane::qt::CustomAttrWidget;
using zlvtest::Def;

const QString kWidgetClass = QStringLiteral("zelvane::qt::CustomAttrWidget");

int shownRows(QWidget* widget) { return widget->findChild<QTableView*>()->model()->rowCount(); }

// Each text property reads back what was written; the control gets it in UTF-8. The change
// flag is notified (the editing suites follow its signal) and kept out of forms.
TEST(WidgetProperties, ReadBackWhatWasWrittenAndHandTheControlUtf8) {
    CustomAttrWidget widget;
    for (const char* name :
         {"mode", "EntityTypeId", "DateTimeFormat", "DateOnlyFormat", "TimeOnlyFormat",
          "AttributeXML", "LayoutXML", "CopyTemplateXML", "componentFolder"}) {
        const QString text = QStringLiteral(" Crème \u2713 %1 ").arg(QString::fromUtf8(name));
        ASSERT_TRUE(widget.setProperty(name, text)) << name;
        EXPECT_EQ(widget.property(name).toString(), text) << name;
    }
    EXPECT_EQ(widget.control().AttributeXML(), " Crème \u2713 AttributeXML ");
    const QMetaObject* meta = widget.metaObject();
    const QMetaProperty flag = meta->property(meta->indexOfProperty("IsDataChanged"));
    EXPECT_TRUE(flag.hasNotifySignal() && !flag.isDesignable());
}

// The folder written after construction is the one the next Intialize reads. A host's call
// inside a step (here from the message box of the failing Intialize, whose event loop may run
// the host's code) is told once, when the step ends.
TEST(WidgetProperties, ComponentFolderTakesEffectAtTheNextIntialize) {
    qttest::QtGestures h;
    QSignalSpy flag(h.widget, &CustomAttrWidget::dataChangedFlagChanged);
    std::vector<std::string> messages;
    h.widget->setMessageSink([&](const std::string& m) {
        messages.push_back(m);
        h.widget->setIsDataChanged(true);
    });
    h.widget->setComponentFolder(QStringLiteral("/nowhere"));
    h.init("CREATE", {Def{.caId = "A", .caName = "a"}});
    EXPECT_FALSE(messages.empty());  // no layout template there
    EXPECT_EQ(flag, QList<QVariantList>{{true}});
    messages.clear();
    h.widget->setComponentFolder(QString());
    h.widget->Intialize();
    EXPECT_EQ(messages, std::vector<std::string>{});
}

// The QString members, and validationFinished with the number of messages the pass left.
TEST(WidgetTexts, ValuesAndMessagesTravelAsQString) {
    qttest::QtGestures h;
    h.init("CREATE", {Def{.caId = "É", .caName = "n", .dataType = "number"}});
    h.widget->SetData(QStringLiteral("<cas><ca id=\"É\" value=\"x ü\"/></cas>"));
    EXPECT_EQ(h.widget->GetData().toStdString(),
              "<updateCAs objectId=\"É\" defaultValue=\"x ü\"/>");
    EXPECT_EQ(h.widget->getCADetails(QStringLiteral("É"))->Item("Value"),
              zelvane::CellValue(std::string("x ü")));
    QSignalSpy finished(h.widget, &CustomAttrWidget::validationFinished);
    QString errors = QStringLiteral("stale");
    EXPECT_FALSE(h.widget->validateCreate(errors));
    EXPECT_EQ(errors.toStdString(), "\r\nEnter numeric value for n.");
    EXPECT_EQ(finished, QList<QVariantList>{{1}});
}

// A form made in Designer, loaded at run time: the widget as the form set it, without rows.
// Runs before the plugin is initialised as in Designer (the instance is one per process).
TEST(DesignerPlugin, AFormLoadsWithTheWidgetAndItsProperties) {
    QUiLoader loader;
    loader.addPluginPath(QStringLiteral(ZLV_DESIGNER_PLUGIN_DIR));
    EXPECT_TRUE(loader.availableWidgets().contains(kWidgetClass));
    QFile ui(QStringLiteral(ZLV_FORM_UI));
    ASSERT_TRUE(ui.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&ui));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    auto* widget = form->findChild<QWidget*>(QStringLiteral("customAttrs"));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(QString::fromUtf8(widget->metaObject()->className()), kWidgetClass);
    EXPECT_EQ(widget->property("mode").toString(), QStringLiteral("RETRIEVAL"));
    EXPECT_EQ(widget->property("DateOnlyFormat").toString(), QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(shownRows(widget), 0);
}

// In Designer's widget box, and in its forms with sample rows under a new widget's properties.
TEST(DesignerPlugin, TheDesignTimeWidgetShowsSampleRows) {
    QPluginLoader plugin(QStringLiteral(ZLV_DESIGNER_PLUGIN));  // as Designer loads it
    auto* face = qobject_cast<QDesignerCustomWidgetInterface*>(plugin.instance());
    ASSERT_NE(face, nullptr) << plugin.errorString().toStdString();
    EXPECT_EQ(face->name(), kWidgetClass);
    EXPECT_EQ(face->group(), QStringLiteral("Zelvane"));
    EXPECT_FALSE(face->isContainer() || face->icon().isNull());
    EXPECT_TRUE(face->domXml().contains(QStringLiteral("class=\"%1\"").arg(kWidgetClass)));
    QDesignerFormEditorInterface core;
    face->initialize(&core);
    std::unique_ptr<QWidget> widget(face->createWidget(nullptr));
    ASSERT_EQ(QString::fromUtf8(widget->metaObject()->className()), kWidgetClass);
    EXPECT_EQ(shownRows(widget.get()), 4);
    EXPECT_EQ(widget->property("AttributeXML").toString(), QString());
    ASSERT_TRUE(widget->setProperty("mode", QStringLiteral("CLONE")));
    EXPECT_EQ(widget->property("mode").toString(), QStringLiteral("CLONE"));
    qttest::shoot(widget.get(), QStringLiteral("designer_preview"));
}

}  // namespace
