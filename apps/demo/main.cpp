// zlv-demo: the control in a host window on the sample data.
//   zlv-demo [--mode M]                       opens the window
//   zlv-demo --screenshot FILE.png [--mode M] renders offscreen into a PNG and exits
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "demo_window.hpp"

namespace {

struct Args {
    QString mode = "RETRIEVAL";
    QString screenshot;
    bool printData = false;
};

Args parse(int argc, char** argv) {
    Args a;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--mode") == 0 && i + 1 < argc)
            a.mode = argv[++i];
        else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            a.screenshot = argv[++i];
        else if (std::strcmp(argv[i], "--print-data") == 0)
            a.printData = true;
    }
    return a;
}

}  // namespace

int main(int argc, char** argv) {
    const Args args = parse(argc, argv);
    if (!args.screenshot.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString samples =
        QDir(zelvane::qt::CustomAttrWidget::defaultComponentFolder()).filePath("samples");
    demo::DemoWindow window(samples, args.mode);
    // Nobody answers a dialog in a screenshot run: the control's messages go to stderr.
    if (!args.screenshot.isEmpty()) window.showMessagesAsDialogs(false);
    if (args.printData) std::cout << window.getData() << '\n';
    if (args.screenshot.isEmpty()) {
        window.show();
        return app.exec();
    }
    window.show();
    app.processEvents();
    if (!window.grab().save(args.screenshot)) {
        std::cerr << "zlv-demo: cannot write " << args.screenshot.toStdString() << '\n';
        return 2;
    }
    std::cout << "screenshot written to " << args.screenshot.toStdString() << '\n';
    return 0;
}
