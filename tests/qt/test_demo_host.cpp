// The demo host's command line: the answers that end the program before a window opens.

#include <QProcess>

#include "qt_support.hpp"

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
