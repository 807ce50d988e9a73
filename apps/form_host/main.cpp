// zlv-form-host: a host form made in Qt Designer (order_form.ui, compiled by uic) around the
// widget, on the sample data. With a file name it saves a picture of the form there and ends.

#include <QApplication>
#include <QFile>
#include <QPushButton>

#include "ui_order_form.h"

namespace {

QString sample(const char* name) {
    QFile file(QStringLiteral(ZLV_SAMPLES_DIR "/") + QString::fromUtf8(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget form;
    Ui::OrderForm ui;
    ui.setupUi(&form);
    // The form set the mode and the date formats; the data comes from the host.
    ui.customAttrs->setAttributeXML(sample("definitions.xml"));
    ui.customAttrs->Intialize();
    ui.customAttrs->SetData(sample("values.xml"));
    QObject::connect(ui.validateButton, &QPushButton::clicked, ui.customAttrs, [&ui] {
        QString errors;
        ui.customAttrs->validateRetrieval(errors);
    });
    form.show();
    if (argc > 1) return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    return app.exec();
}
