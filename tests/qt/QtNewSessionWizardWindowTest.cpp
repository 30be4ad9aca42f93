// The windows that make a new session, driven as a user drives them on the real protocol plug-ins
// and a store of their own. The New Session Wizard: the pages the model chooses, its buttons, its
// refusals and what is stored. Quick Connect: what is typed reaches the model, a refusal keeps the
// window open on the refused control, OK hands over the stored session.
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "ComboPick.h"
#include "Controls.h"
#include "ModalDriver.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "database/SessionDatabase.h"
#include "dialogs/NewSessionWizard.h"
#include "dialogs/NewSessionWizardTexts.h"
#include "dialogs/QuickConnectDialog.h"
#include "library/ProductInfo.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtControlPanel.h"
#include "qt/QtNewSessionWizardWindow.h"
#include "qt/QtUserInterface.h"
#include "qt/QuickConnectWindow.h"
#include "session/ConnectConfig.h"
#include "session/ConnectProtocolTable.h"
#include "session/SessionConfig.h"
#include "support/BuiltPluginFolder.h"
#include "support/JoinedText.h"
#include "support/ListNames.h"
#include "support/OptionText.h"
#include "support/RegisterProtocolRow.h"
#include "support/SessionHolder.h"

namespace {

using Window = QtNewSessionWizardWindow;

enum PluginControl { kHost = 1501, kPort = 1502, kUser = 1503 };
constexpr unsigned int kSsh2Host = 11470;
constexpr unsigned int kSsh2User = 11471;
constexpr unsigned int kTelnetHost = 11474;

void Retype(QLineEdit* line, QString const& text) {
  line->selectAll();
  QTest::keyClicks(line, text);
}

std::string StoredSessions(char const* folder) {
  CStringList sessions;
  SessionDatabase(0).GetSessionList(folder, sessions);
  return JoinedText(ListNames(sessions), ",");
}

}  // namespace

class QtNewSessionWizardWindowTest : public QObject {
  Q_OBJECT

 private:
  // What the window shows now: the model's current page (0 when its panel is not shown), then Back,
  // Next and Finish, each "+" shown and enabled, "-" shown and disabled, "." hidden, "_" hidden but enabled.
  QString Look(Window& window) const {
    VPropertyTreePage const* page = m_wizard->CurrentPage();
    bool const panelShown = page && window.Panel(page) && window.Panel(page)->isVisible();
    QString seen = QString::number(panelShown ? page->TemplateId() : 0) + " ";
    for (QPushButton* button : {window.BackButton(), window.NextButton(), window.FinishButton()})
      seen += "._-+"[button->isVisible() * 2 + button->isEnabled()];
    return seen;
  }
  static QString Seen(unsigned int page, char const* buttons) { return QString::number(page) + " " + buttons; }

  template <typename Field>
  Field* FieldOf(Window& window, int id) const {
    return qobject_cast<Field*>(window.Panel(m_wizard->CurrentPage())->Field(id));
  }

  void Type(Window& window, int id, QString const& text) {
    QWidget* field = window.Panel(m_wizard->CurrentPage())->Field(id);
    QVERIFY(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
  }

  // Runs the wizard on a new session in Lab and stores it as the Connect dialog does when it finishes.
  int Run(std::function<void(Window&)> act) {
    modal::WhenShown<Window>(std::move(act));
    NewSessionWizard wizard(m_session.get(), kProductHaloKorvo);
    m_wizard = &wizard;
    int const code = wizard.DoModal();
    m_wizard = nullptr;
    if (code == NewSessionWizard::kFinish)
      SessionDatabase(0).InsertSession("Lab", m_session->GetSessionName(), m_session.get(), "", true);
    return code;
  }

 private slots:
  void initTestCase() {
    ConnectDialogQtInit();
    m_plugins = std::make_unique<BuiltPluginFolder>(CONNECTION_PROTOCOLS_DIR);
    GetConnectProtocolTable().RemoveAll();
    for (int row : {4, 5, 6, 7, 8, 9}) QVERIFY(RegisterProtocolRow(m_plugins->Base().c_str(), row, kProductHaloKorvo));
  }
  void cleanupTestCase() {
    GetConnectProtocolTable().RemoveAll();
    m_plugins.reset();
  }

  void init() {
    m_world = std::make_unique<GlobalConfigWorld>(kProductHaloKorvo);
    IsHaloKorvo_Korvo_Installed(true);
    IsHaloFyx_Installed(false);
    QVERIFY(SessionDatabase(0).InsertFolder("", "Lab", "", true));
    m_session.reset(static_cast<SessionConfig*>(SessionDatabase(0).Lookup(SessionDatabase::kDefaultName)));
    QVERIFY(m_session);
    m_session->SetSessionPath("Lab");
    m_session->SetSessionName("New");
  }
  void cleanup() {
    m_session.reset();
    IsHaloKorvo_Korvo_Installed(false);
    SetUserInterface(&GetQtUserInterface());
    m_world.reset();
  }

  void fromTheProtocolToFinishCreatesTheSession() {
    QStringList seen, texts, names;
    bool tabbedToPort = false;
    int const code = Run([&](Window& window) {
      seen << Look(window);
      for (QLabel* label : window.Panel(m_wizard->CurrentPage())->findChildren<QLabel*>()) texts << label->text();
      Pick(FieldOf<QComboBox>(window, NewSessionWizard::kProtocolList), "SSH2");
      QTest::mouseClick(window.NextButton(), Qt::LeftButton);
      Type(window, kHost, "web01");
      Type(window, kPort, "2222");
      seen << Look(window);
      QCOMPARE(window.currentPage()->title().toStdString(), m_wizard->CurrentPage()->CaptionPart());
      QWidget* host = window.Panel(m_wizard->CurrentPage())->Field(kHost);
      QWidget* port = window.Panel(m_wizard->CurrentPage())->Field(kPort);
      names << host->accessibleName() << port->accessibleName() << window.NextButton()->accessibleName();
      host->setFocus();
      QTest::keyClick(host, Qt::Key_Tab);
      tabbedToPort = window.focusWidget() == port || port->isAncestorOf(window.focusWidget());
      QTest::keyClick(&window, Qt::Key_Return);  // Enter is Next
      Type(window, kUser, "alice");
      QTest::mouseClick(window.NextButton(), Qt::LeftButton);
      seen << Look(window);
      auto* name = FieldOf<QLineEdit>(window, NewSessionWizard::kName);
      QVERIFY(name);
      QCOMPARE(name->text(), QString("web01"));  // proposed from the host
      Type(window, NewSessionWizard::kName, "");
      seen << Look(window);
      Type(window, NewSessionWizard::kName, "web01 admin");
      Type(window, NewSessionWizard::kDescription, "the front web server");
      QTest::mouseClick(window.FinishButton(), Qt::LeftButton);
    });
    using W = NewSessionWizard;
    QCOMPARE(seen, (QStringList{Seen(W::kProtocolPage, "-+."), Seen(kSsh2Host, "++."), Seen(W::kFinishPage, "+.+"),
                                Seen(W::kFinishPage, "+.-")}));
    QCOMPARE(names, (QStringList{"Hostname", "Port", "Next"}));
    QVERIFY(tabbedToPort);
    // Both id-less hints are drawn, each with its own text.
    QVERIFY2(texts.contains(NewSessionWizardTexts::kWelcome) && texts.contains(NewSessionWizardTexts::kQuestion),
             qPrintable(texts.join(" | ")));
    // Every typed value reached the session (what the pages store is WizardPagesTest's).
    QCOMPARE(code, int(NewSessionWizard::kFinish));
    QCOMPARE(StoredSessions("Lab"), std::string("web01 admin"));
    SessionHolder stored(static_cast<SessionConfig*>(SessionDatabase(0).Lookup("Lab\\web01 admin")));
    ConnectConfig* record = stored ? stored->GetRelevantConnectConfig() : nullptr;
    QVERIFY(record);
    QCOMPARE(stored->GetRelevantProtocol().Str() + "," + record->GetHostname().Str() + "," +
                 record->GetUsername().Str() + "," + OptionText(*stored, "SSH2 Port") + "," +
                 stored->description.GetText(false).Str(),
             std::string("SSH2,web01,alice,2222,the front web server"));
  }

  void aRefusedPortKeepsThePageAndBackReturns() {
    modal::Box box;
    QStringList seen;
    QWidget *focused = nullptr, *port = nullptr;
    int const code = Run([&](Window& window) {
      Pick(FieldOf<QComboBox>(window, NewSessionWizard::kProtocolList), "Telnet");
      QTest::mouseClick(window.NextButton(), Qt::LeftButton);
      Type(window, kHost, "gate");
      Type(window, kPort, "70000");
      port = window.Panel(m_wizard->CurrentPage())->Field(kPort);
      modal::AnswerBox(QMessageBox::Ok, box);
      QTest::mouseClick(window.NextButton(), Qt::LeftButton);
      seen << Look(window);
      focused = window.focusWidget();
      Type(window, kPort, "2323");
      QTest::mouseClick(window.BackButton(), Qt::LeftButton);
      seen << Look(window);
      QCOMPARE(FieldOf<QComboBox>(window, NewSessionWizard::kProtocolList)->currentText(), QString("Telnet"));
    });
    QVERIFY2(box.shown && box.text.contains("between 1 and 65535"), qPrintable(box.text));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(seen, (QStringList{Seen(kTelnetHost, "++."), Seen(NewSessionWizard::kProtocolPage, "-+.")}));
    QVERIFY(port && (focused == port || port->isAncestorOf(focused)));
    QCOMPARE(code, IDCANCEL);
  }

  void cancelStoresNothing() {
    struct Case { char const* how; std::function<void(Window&)> cancel; };
    for (Case const& c : {Case{"button", [](Window& w) { QTest::mouseClick(w.CancelButton(), Qt::LeftButton); }},
                          Case{"Escape", [](Window& w) { QTest::keyClick(&w, Qt::Key_Escape); }}}) {
      bool closed = false;
      int const code = Run([&](Window& window) {
        QTest::mouseClick(window.NextButton(), Qt::LeftButton);
        Type(window, kHost, "web02");
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(m_wizard->CurrentPage()->TemplateId(), kSsh2User);
        c.cancel(window);
        closed = !window.isVisible();
      });
      QVERIFY2(closed, c.how);
      QCOMPARE(code, IDCANCEL);
      QCOMPARE(StoredSessions("Lab"), std::string());
      QCOMPARE(m_session->GetSessionName().Str(), std::string("New"));
    }
  }

  // The controls are named and tabbed in layout order; what is typed makes the stored session.
  void quickConnectTypedValuesMakeTheStoredSession() {
    QStringList order;
    modal::WhenShown<QuickConnectWindow>([&order](QuickConnectWindow& window) {
      QWidget* at = window.findChild<QComboBox*>();
      for (int i = 0; i < 7; ++i, at = at->nextInFocusChain()) {
        while (at->focusPolicy() == Qt::NoFocus || !at->isVisible()) at = at->nextInFocusChain();
        order << SpokenName(at);
      }
      QTest::keyClick(window.findChild<QComboBox*>(), Qt::Key_Down);  // SSH2 -> SSH1
      QTest::keyClick(window.findChild<QComboBox*>(), Qt::Key_Down);  // -> Telnet
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

  void quickConnectRefusalKeepsTheWindowOnTheRefusedControl() {
    HeadlessUserInterface ui;
    SetUserInterface(&ui);
    modal::WhenShown<QuickConnectWindow>([&ui](QuickConnectWindow& window) {
      QTest::keyClicks(Named<QLineEdit>(window, "Hostname"), "web");
      Retype(Named<QLineEdit>(window, "Port"), "70000");
      QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
      QVERIFY(window.isVisible() && window.focusWidget() == Named<QLineEdit>(window, "Port"));
      QCOMPARE(ui.Shown().size(), size_t(1));  // its text is QuickConnectDialogTest's
      QTest::mouseClick(DialogButton(window, QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    ISessionConfig* session = nullptr;
    QCOMPARE(QuickConnectDialog::Run("", &session), static_cast<unsigned long>(IDCANCEL));
    QVERIFY(!session);
    QVERIFY(!SessionDatabase::Exists("web"));
  }

 private:
  std::unique_ptr<BuiltPluginFolder> m_plugins;
  std::unique_ptr<GlobalConfigWorld> m_world;
  SessionHolder m_session;
  NewSessionWizard* m_wizard = nullptr;
};

QTEST_MAIN(QtNewSessionWizardWindowTest)
#include "QtNewSessionWizardWindowTest.moc"
