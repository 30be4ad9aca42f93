// The Quick Connect window driven by keys and clicks: what is typed reaches the model, a refusal
// keeps the window open on the refused control, OK hands over the stored session.
#include <memory>

#include "Controls.h"
#include "ModalDriver.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "database/SessionDatabase.h"
#include "dialogs/QuickConnectDialog.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtDialogPresenter.h"
#include "qt/QuickConnectWindow.h"
#include "session/BuiltInProtocol.h"
#include "session/ConnectConfig.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"
#include "support/RegisterProtocolRow.h"
#include "support/SessionHolder.h"

namespace {

using modal::WhenShown;
using Window = QuickConnectWindow;

void Retype(QLineEdit* line, QString const& text) {
  line->selectAll();
  QTest::keyClicks(line, text);
}

}  // namespace

class QuickConnectWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_world = std::make_unique<GlobalConfigWorld>(kProductHaloKorvo);
    GetConnectProtocolTable().RemoveAll();
    for (int row = 0; row < kBuiltInProtocolCount; ++row)
      if (builtInProtocols[row].productId == kProductHaloKorvo)
        RegisterProtocolRow(BUILT_HOST_BASE_DIR, row, kProductHaloKorvo);
    SetDialogPresenter(&GetQtDialogPresenter());
    SetUserInterface(&m_ui);
  }
  void cleanup() {
    SetUserInterface(nullptr);
    SetDialogPresenter(nullptr);
    GetConnectProtocolTable().RemoveAll();
    m_world.reset();
  }

  // The controls are named and tabbed in layout order; what is typed makes the stored session.
  void typedValuesMakeTheStoredSession() {
    QStringList order;
    WhenShown<Window>([&order](Window& window) {
      QWidget* at = window.findChild<QComboBox*>();
      for (int i = 0; i < 7; ++i, at = at->nextInFocusChain()) {
        while (at->focusPolicy() == Qt::NoFocus || !at->isVisible()) at = at->nextInFocusChain();
        order << SpokenName(at);
      }
      QTest::keyClick(window.findChild<QComboBox*>(), Qt::Key_Down);  // SSH2 -> Telnet
      QCOMPARE(Named<QLineEdit>(window, "Port")->text(), QString("23"));
      QTest::keyClicks(Named<QLineEdit>(window, "Hostname"), "router.lab");
      Retype(Named<QLineEdit>(window, "Port"), "2323");
      QTest::keyClicks(Named<QLineEdit>(window, "Username"), "ops");
      QTest::keyClick(window.findChild<QCheckBox*>(), Qt::Key_Space);
      QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    ISessionConfig* session = nullptr;
    QCOMPARE(QuickConnectDialog::Run("", &session), static_cast<unsigned long>(IDOK));
    QCOMPARE(order, QStringList({"Protocol", "Hostname", "Port", "Username", "Save session", "OK", "Cancel"}));
    QVERIFY(session);
    QCOMPARE(session->GetSessionPath().Str(), std::string("router.lab"));
    session->Release();
    SessionHolder stored(static_cast<SessionConfig*>(SessionDatabase(0).Lookup("router.lab")));
    ConnectConfig* side = stored ? stored->GetTermConnectConfig() : nullptr;
    QVERIFY(side);
    QCOMPARE(stored->GetTerminalProtocol().Str() + " " + side->GetHostname().Str() + " " +
                 std::to_string(side->GetPort()) + " " + side->GetUsername().Str(),
             std::string("Telnet router.lab 2323 ops"));
  }

  void aRefusalKeepsTheWindowOnTheRefusedControl() {
    WhenShown<Window>([this](Window& window) {
      QTest::keyClicks(Named<QLineEdit>(window, "Hostname"), "web");
      Retype(Named<QLineEdit>(window, "Port"), "70000");
      QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
      QVERIFY(window.isVisible() && window.focusWidget() == Named<QLineEdit>(window, "Port"));
      QCOMPARE(m_ui.Shown().size(), size_t(1));  // its text is QuickConnectDialogTest's
      QTest::mouseClick(DialogButton(window, QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    ISessionConfig* session = nullptr;
    QCOMPARE(QuickConnectDialog::Run("", &session), static_cast<unsigned long>(IDCANCEL));
    QVERIFY(!session);
    QVERIFY(!SessionDatabase::Exists("web"));
  }

 private:
  std::unique_ptr<GlobalConfigWorld> m_world;
  HeadlessUserInterface m_ui;
};

QTEST_MAIN(QuickConnectWindowTest)
#include "QuickConnectWindowTest.moc"
