// The option dialogs' Qt windows: the property-tree window on the framework's demonstration dialog
// and on Global Options, and one-page dialogs with the colour buttons and the file and folder
// fields that pages declare; the choosers driven as a user would, the effect checked on the model
// and on the store.
#include "Controls.h"
#include "ModalDriver.h"
#include "VOptionList.h"
#include "VPageControls.h"
#include "VPageDialog.h"
#include "VPropertyTreeDemoDialog.h"
#include "VProfileStore.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "dialogs/ColorSchemeEditorPage.h"
#include "dialogs/GlobalColorSchemesPage.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "dialogs/GlobalPageControls.h"
#include "library/ProductInfo.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtControlPanel.h"
#include "qt/QtPageDialogWindow.h"
#include "qt/QtPropertyTreeWindow.h"
#include "support/KeyDump.h"
#include "terminal/ProfileColorSchemeList.h"

namespace {

using Window = QtPropertyTreeWindow;
using Demo = VPropertyTreeDemoDialog;
using Form = VColorText::Form;

QString Current(Window& window) {
  return window.Tree()->currentItem() ? window.Tree()->currentItem()->text(0) : QString();
}

void ClickItem(Window& window, QString const& label) {
  QList<QTreeWidgetItem*> const found = window.Tree()->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
  QVERIFY(!found.isEmpty());
  QRect const place = window.Tree()->visualItemRect(found.front());
  QTest::mouseClick(window.Tree()->viewport(), Qt::LeftButton, {}, place.center());
  QCoreApplication::processEvents();  // the tree goes back after a refusal once the click is done
}

// Every option of the record as NAME=TEXT but the tree's state, which the dialog keeps however it ends.
std::string Texts(GlobalConfig& config) {
  std::string texts;
  VOptionList const list(config);
  for (VOption const& option : list.Options())
    if (!std::string(option.Name()).starts_with("Global Options Tree"))
      texts += std::string(option.Name()) + "=" + option.Text().Str() + "\n";
  return texts;
}

// The whole store as text, to compare byte for byte.
std::string DumpStore() {
  VProfileStore store(true, nullptr);
  return DumpKey(store.Root());
}

enum Id { kRgb = 10, kNumber = 11, kFile = 12, kFileBrowse = 13, kFolder = 14, kFolderBrowse = 15, kLast = 16 };

std::vector<VPageControl> Sample() {
  std::vector<VPageControl> controls{
      VPageControls::Color(kRgb, "&Text color:", ""), VPageControls::Color(kNumber, "&Cursor color:", "", Form::Number),
      VPageControls::File(kFile, "&Log file:", "", kFileBrowse, "Log file", "Logs (*.log)|*.log||"),
      VPageControls::Folder(kFolder, "&Downloads:", "", kFolderBrowse, "Downloads"), VPageControls::Edit(kLast, "&Note:", "")};
  controls[0].value = "FF8000";
  controls[1].value = "255";
  return controls;
}

// Accepts the next colour chooser with `color` (cancels it when `color` is invalid), recording
// the colour it opened on.
void PickColor(QColor color, QColor* opened) {
  modal::WhenShown<QColorDialog>([color, opened](QColorDialog& chooser) {
    *opened = chooser.currentColor();
    if (!color.isValid()) return;
    chooser.setCurrentColor(color);
    chooser.accept();
  });
}

}  // namespace

class QtPropertyTreeWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ConnectDialogQtInit(); }
  void init() { Demo::DeleteStateMap(); }

  // Ctrl+Page Down and Ctrl+Tab go on, Ctrl+Page Up and Ctrl+Shift+Tab go back, wrapping at both ends.
  void keysMoveOverTheVisiblePages() {
    VPropertyTreeDemoSettings settings;
    Demo dialog(settings);
    QStringList pages, captions;
    modal::WhenShown<Window>([&](Window& window) {
      for (auto [key, times] : {std::pair{Qt::Key_PageDown, 5}, {Qt::Key_PageUp, 3}, {Qt::Key_Tab, 2}, {Qt::Key_Backtab, 1}})
        for (int i = 0; i < times; ++i) {
          QTest::keyClick(window.Tree(), key, Qt::ControlModifier | (key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier));
          QCOMPARE(QString::fromStdString(dialog.CurrentPage()->Label()), Current(window));
          pages << Current(window);
          captions << window.Caption()->text();
        }
    });
    dialog.DoModal();
    QCOMPARE(pages, (QStringList{"Appearance", "Colors", "Terminal", "Logging", "General", "Logging", "Terminal",
                                 "Colors", "Terminal", "Logging", "Terminal"}));
    QCOMPARE(captions.front(), QString("  Window and Text Appearance"));
  }

  // A number out of its range cannot leave the page, whichever way the user tries (Ctrl+Page Down,
  // a click on another page, OK); the message shows (its text is VPropertyTreeDialogTest's), the
  // page stays with the focus on the number, and nothing is taken.
  void aRangeRefusalKeepsThePage() {
    for (QString const way : {"key", "click", "ok"}) {
      VPropertyTreeDemoSettings settings;
      int const before = settings.maximumColumns;
      Demo dialog(settings);
      modal::Box box;
      bool stayed = false;
      modal::WhenShown<Window>([&](Window& window) {
        ClickItem(window, "Terminal");
        QCOMPARE(Current(window), QString("Terminal"));
        auto* columns = qobject_cast<QSpinBox*>(window.Panel(dialog.CurrentPage())->Field(Demo::kMaximumColumns));
        QVERIFY(columns);
        columns->setFocus();
        columns->selectAll();
        QTest::keyClicks(columns, "5000");
        modal::AnswerBox(QMessageBox::Ok, box);
        if (way == "key") {
          window.Tree()->setFocus();  // the refusal must bring the focus back to the number
          QTest::keyClick(window.Tree(), Qt::Key_PageDown, Qt::ControlModifier);
        }
        if (way == "click") ClickItem(window, "Logging");
        if (way == "ok") QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
        stayed = window.isVisible() && !dialog.IsEnded() && window.focusWidget() == columns &&
                 Current(window) == "Terminal";
      });
      dialog.DoModal();
      QVERIFY2(box.shown && box.icon == QMessageBox::Warning && stayed, qPrintable(way));
      QCOMPARE(int(settings.maximumColumns), before);
      Demo::DeleteStateMap();
    }
  }

  // Tab runs from the tree through the page's fields in their order to the buttons.
  void tabFollowsTheLayout() {
    VPropertyTreeDemoSettings settings;
    Demo dialog(settings);
    QStringList order;
    modal::WhenShown<Window>([&](Window& window) {
      ClickItem(window, "Terminal");
      window.Tree()->setFocus();
      for (int i = 0; i < 4; ++i) {
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        order << SpokenName(window.focusWidget());
      }
    });
    dialog.DoModal();
    QCOMPARE(order, (QStringList{"Maximum columns", "Scrollback lines", "Defaults", "OK"}));
  }

  // Global Options: a check box clicked on General, and a colour changed in the scheme editor
  // opened from Color Schemes, each taken by its window's OK; on Cancel the store and the
  // configuration stay as they were.
  void globalOptionsStoreOnOkOnly() {
    for (bool const ok : {true, false}) {
      GlobalConfigWorld world;
      IsHaloKorvo_Korvo_Installed(true);
      GlobalOptionsDialog::DeleteStateMap();
      GlobalConfig* config = nullptr;
      GetGlobalConfig(config);
      config->Save();
      int const shown = config->showConnectDialog;
      std::string const before = DumpStore(), texts = Texts(*config);
      GlobalOptionsDialog dialog(*config);
      dialog.SetStartPage("Color Schemes");
      std::string scheme;
      QString title, boxName;
      QColor opened;
      auto const button = ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel;
      modal::WhenShown<Window>([&](Window& window) {
        VPropertyTreePage* page = dialog.CurrentPage();
        QVERIFY(page && page->Caption() == "Color Schemes");
        scheme = page->Control(GlobalColorSchemesPage::kList)->value;
        modal::WhenShown<QtPageDialogWindow>([&](QtPageDialogWindow& editor) {
          title = editor.windowTitle();
          PickColor(QColor(0x10, 0x20, 0x30), &opened);
          QTest::mouseClick(editor.Panel()->Field(ColorSchemeEditorPage::kFirstForeground), Qt::LeftButton);
          QTest::mouseClick(DialogButton(editor, button), Qt::LeftButton);
        });
        QTest::mouseClick(window.Panel(page)->Field(GlobalColorSchemesPage::kEdit), Qt::LeftButton);
        ClickItem(window, "General");
        QWidget* box = window.Panel(dialog.CurrentPage())->Field(GlobalPageControls::kShowConnectDialog);
        QVERIFY(box);
        boxName = box->accessibleName();
        ClickIndicator(box);
        QTest::mouseClick(DialogButton(window, button), Qt::LeftButton);
      });
      QCOMPARE(dialog.DoModal(), ok ? IDOK : IDCANCEL);
      IsHaloKorvo_Korvo_Installed(false);
      QVERIFY(!scheme.empty() && opened.isValid());
      QCOMPARE(title, QString::fromStdString("Color Scheme - " + scheme));
      QCOMPARE(boxName, QString("Show connect dialog on startup"));
      if (!ok) {
        QCOMPARE(DumpStore(), before);
        QCOMPARE(Texts(*config), texts);
        continue;
      }
      QCOMPARE(int(config->showConnectDialog), shown ? 0 : 1);
      ProfileColorSchemeList stored;
      stored.Load(nullptr, ProfileColorSchemeList::kKeyName);
      QCOMPARE(ColorScheme(stored.Find(scheme.c_str())).foreground[0], COLORREF(0x302010));
    }
  }

  // The swatch button opens the chooser on the colour shown and puts the colour picked back in
  // the form the control keeps; a chooser cancelled changes nothing.
  void colorButtonsChooseInTheirForm() {
    VPropertyTreePage page(1, "Sample", Sample());
    VPageDialog dialog("Sample", page);
    QColor opened[3];
    QStringList shown;
    modal::WhenShown<QtPageDialogWindow>([&](QtPageDialogWindow& window) {
      QColor const picked(0x11, 0x22, 0x33);
      int i = 0;
      for (auto [id, color] : {std::pair{kRgb, picked}, {kNumber, picked}, {kNumber, QColor()}}) {
        auto* button = qobject_cast<QPushButton*>(window.Panel()->Field(id));
        QVERIFY(button);
        PickColor(color, &opened[i++]);
        QTest::mouseClick(button, Qt::LeftButton);
        shown << button->text();
      }
      QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(dialog.DoModal(), IDOK);
    QCOMPARE(QList<QColor>(opened, opened + 3), (QList<QColor>{QColor("#ff8000"), QColor("#ff0000"), QColor("#112233")}));
    QCOMPARE(shown, (QStringList{"#112233", "#112233", "#112233"}));
    QCOMPARE(page.Control(kRgb)->value + " " + page.Control(kNumber)->value, std::string("112233 3351057"));  // 0xBBGGRR
  }

  // A colour that is none cannot leave the page: the message shows (its text is
  // VPropertyTreeDialogTest's), the window stays, the focus goes to its button.
  void aBadColorKeepsTheWindow() {
    VPropertyTreePage page(1, "Sample", Sample());
    page.Control(kRgb)->value = "12345";
    VPageDialog dialog("Sample", page);
    modal::Box box;
    bool stayed = false;
    QString shown;
    modal::WhenShown<QtPageDialogWindow>([&](QtPageDialogWindow& window) {
      shown = qobject_cast<QPushButton*>(window.Panel()->Field(kRgb))->text();
      modal::AnswerBox(QMessageBox::Ok, box);
      QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
      stayed = window.isVisible() && !dialog.IsEnded() && window.focusWidget() == window.Panel()->Field(kRgb);
    });
    QCOMPARE(dialog.DoModal(), IDCANCEL);
    QCOMPARE(shown, QString("12345"));
    QVERIFY(box.shown && stayed);
  }

  // A browse button opens the file or folder chooser where the field points and fills the field.
  void browseButtonsFillTheirField() {
    QTemporaryDir folder;
    QString const file = folder.filePath("session.log");
    QFile(file).open(QIODevice::WriteOnly);
    VPropertyTreePage page(1, "Sample", Sample());
    VPageDialog dialog("Sample", page);
    QStringList seen;  // per button: its name, the chooser's mode and title, the field afterwards
    modal::WhenShown<QtPageDialogWindow>([&](QtPageDialogWindow& window) {
      struct Case { int browse, field; QString chosen; };
      for (Case const& c : {Case{kFileBrowse, kFile, file}, Case{kFolderBrowse, kFolder, folder.path()}}) {
        modal::WhenShown<QFileDialog>([&](QFileDialog& chooser) {
          seen << QString::number(chooser.fileMode()) << chooser.windowTitle();
          chooser.selectFile(c.chosen);
          static_cast<QDialog&>(chooser).accept();  // QFileDialog keeps its override protected
        });
        QWidget* button = window.Panel()->Field(c.browse);
        QVERIFY(button);
        seen << button->accessibleName();
        QTest::mouseClick(button, Qt::LeftButton);
        seen << qobject_cast<QLineEdit*>(window.Panel()->Field(c.field))->text();
      }
      QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(dialog.DoModal(), IDOK);
    QCOMPARE(seen, (QStringList{"Browse for Log file", QString::number(QFileDialog::ExistingFile), "Log file", file,
                                "Browse for Downloads", QString::number(QFileDialog::Directory), "Downloads",
                                folder.path()}));
    QCOMPARE(QString::fromStdString(page.Control(kFile)->value + "|" + page.Control(kFolder)->value),
             file + "|" + folder.path());
  }

  // Tab runs through the fields in their order, a path's browse button right after its edit box;
  // each field is named after its label, and a label used twice on a page (the normal and the bold
  // colours) with its heading.
  void tabOrderAndNamesFollowTheLabels() {
    std::vector<VPageControl> controls = Sample();
    for (VPageControl const& bold : {VPageControls::Bound(20, VControlKind::Label, "&Bold colors", ""),
                                     VPageControls::Color(21, "&Text color:", ""), VPageControls::Color(22, "Red", "")})
      controls.push_back(bold);
    VPropertyTreePage page(1, "Sample", controls);
    VPageDialog dialog("Sample", page);
    QStringList order;
    modal::WhenShown<QtPageDialogWindow>([&](QtPageDialogWindow& window) {
      window.Panel()->FocusControl(kRgb);
      for (int i = 0; i < 9; ++i) {
        if (i) QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        order << window.focusWidget()->accessibleName();
      }
    });
    dialog.DoModal();
    QCOMPARE(order, (QStringList{"Text color", "Cursor color", "Log file", "Browse for Log file", "Downloads",
                                 "Browse for Downloads", "Note", "Bold colors: Text color", "Red"}));
  }
};

QTEST_MAIN(QtPropertyTreeWindowTest)
#include "QtPropertyTreeWindowTest.moc"
