// zlv-demo: the control in a host window on the sample data.
#include <QApplication>
#include <QDir>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "demo_window.hpp"

namespace {

constexpr const char* kUsage = R"(zlv-demo - the custom attribute control in a host window

Usage:
  zlv-demo [--mode M]                          opens the window on the sample data
  zlv-demo --screenshot FILE.png [--mode M]    renders offscreen into a PNG and exits

Options:
  --mode M           CREATE, RETRIEVAL (default), COPYACROSS or CLONE
  --screenshot FILE  write a picture of the window to FILE and exit
  --print-data       print what GetData returns after loading the samples
  --help             this text
  --version          the program's name and version
)";

struct Args {
    QString mode = "RETRIEVAL";
    QString screenshot;
    bool printData = false;
};

// The exit code of a command line that ends the program before any window: --help, --version
// or a usage error. Empty when the window should open.
std::optional<int> answerWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--version") {
            std::cout << "zlv-demo " ZLV_VERSION "\n";
            return 0;
        }
        if (arg == "--mode" || arg == "--screenshot") {
            if (++i >= argc) {
                std::cerr << "zlv-demo: " << arg << " needs a value\n";
                return 2;
            }
        } else if (arg != "--print-data") {
            std::cerr << "zlv-demo: unknown option '" << arg << "'; see 'zlv-demo --help'\n";
            return 2;
        }
    }
    return std::nullopt;
}

// Reads a command line that answerWithoutWindow accepted.
Args parse(int argc, char** argv) {
    Args a;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--mode") == 0)
            a.mode = argv[++i];
        else if (std::strcmp(argv[i], "--screenshot") == 0)
            a.screenshot = argv[++i];
        else if (std::strcmp(argv[i], "--print-data") == 0)
            a.printData = true;
    }
    return a;
}

}  // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> code = answerWithoutWindow(argc, argv)) return *code;
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
