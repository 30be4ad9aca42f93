// The Qt clipboard: format names as MIME types, a block round trip in one process, and a copy
// in one process pasted in another through a real X server (Xvfb, started here on a free display).
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

#include "connectdialog/database/GlobalConfigWorld.h"
#include "qt/QtClipboard.h"
#include "support/SessionTree.h"

namespace {

constexpr int kTimeoutMs = 60000;

// Reads the process's standard output until a line equal to `line` arrives; false at its end
// or after the timeout.
bool WaitForLine(QProcess& process, QByteArray const& line) {
  while (process.waitForReadyRead(kTimeoutMs) || process.canReadLine()) {
    while (process.canReadLine())
      if (process.readLine().trimmed() == line) return true;
  }
  return false;
}

}  // namespace

class QtClipboardTest : public QObject {
  Q_OBJECT

 private slots:
  void formatNamesBecomeMimeTypesAndABlockComesBackUnderItsOwn() {
    struct Case { char const* format; char const* type; } const cases[] = {
        {"FolderTree", "application/x-folder-tree"}, {"Text", "application/x-text"},
        {"HTMLFormat", "application/x-htmlformat"},  {"Tree2Items", "application/x-tree2-items"},
        {"", ""}, {"Folder Tree", ""}, {"Folder/Tree", ""}, {"Folder\xC3\xA9", ""},
    };
    for (Case const& c : cases) QCOMPARE(QtClipboard::MimeType(c.format), QString::fromLatin1(c.type));
    // A block comes back under its format only.
    QtClipboard clipboard;
    std::vector<unsigned char> const block{0, 1, 2, 0xFF, 0};
    QVERIFY(clipboard.SetData("FolderTree", block));
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat("application/x-folder-tree"));
    std::vector<unsigned char> read{9};
    QVERIFY(!clipboard.GetData("Text", read));
    QCOMPARE(read, std::vector<unsigned char>{9});
    QVERIFY(clipboard.GetData("FolderTree", read));
    QCOMPARE(read, block);
    QVERIFY(!clipboard.SetData("Folder Tree", block));
    QVERIFY(clipboard.GetData("FolderTree", read));
    QGuiApplication::clipboard()->setText("something else");
    QVERIFY(!clipboard.GetData("FolderTree", read));
  }

  void aCopyInOneProcessIsPastedInAnother() {
    QString const xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) QFAIL("Xvfb is not installed: ./x setup installs it");
    GlobalConfigWorld world;
    SessionDatabase database(0);
    for (char const* name : {"Lab", "Other"}) QVERIFY(database.InsertFolder("", name, "", true));
    QVERIFY(AddSession(database, "Lab\\s1"));

    // Xvfb picks a free display and writes its number to the descriptor given.
    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "800x600x24"});
    QVERIFY(server.waitForStarted(kTimeoutMs));
    QVERIFY2(server.waitForReadyRead(kTimeoutMs) || server.canReadLine(), "Xvfb tells no display number");
    while (!server.canReadLine() && server.waitForReadyRead(kTimeoutMs)) {}
    QByteArray const display = ":" + server.readLine().trimmed();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QString::fromLatin1(display));
    environment.insert("QT_QPA_PLATFORM", "xcb");

    QProcess copying, pasting;
    for (QProcess* peer : {&copying, &pasting}) peer->setProcessEnvironment(environment);
    copying.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copying.start(CLIPBOARD_PEER, {"copy", "Lab\\s1"});
    QVERIFY2(WaitForLine(copying, "copied"), "the first process did not copy");
    pasting.setProcessChannelMode(QProcess::ForwardedChannels);
    pasting.start(CLIPBOARD_PEER, {"paste", "Other"});
    QVERIFY(pasting.waitForFinished(kTimeoutMs));
    QCOMPARE(pasting.exitCode(), 0);

    copying.closeWriteChannel();
    QVERIFY(copying.waitForFinished(kTimeoutMs));
    QCOMPARE(copying.exitCode(), 0);
    server.terminate();
    QVERIFY(server.waitForFinished(kTimeoutMs));

    RegUnloadHives();
    QCOMPARE(SessionNames(database, "Other"), std::vector<std::string>{"s1"});
    QCOMPARE(SessionNames(database, "Lab"), std::vector<std::string>{"s1"});
  }
};

QTEST_MAIN(QtClipboardTest)
#include "QtClipboardTest.moc"
