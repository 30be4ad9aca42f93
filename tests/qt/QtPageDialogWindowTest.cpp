// One-page dialogs in their Qt window, with the colour buttons and the file and folder fields
// that pages declare: the choosers driven as a user would, the effect checked on the model and
// on the store.
#include "Controls.h"
#include "ModalDriver.h"
#include "VPageControls.h"
#include "VPageDialog.h"
#include "VProfileStore.h"
#include "connectdialog/database/GlobalConfigWorld.h"
#include "dialogs/ColorSchemeEditorPage.h"
#include "dialogs/GlobalColorSchemesPage.h"
#include "dialogs/GlobalOptionsDialog.h"
#include "library/ProductInfo.h"
#include "qt/ConnectDialogQtInit.h"
#include "qt/QtControlPanel.h"
#include "qt/QtPageDialogWindow.h"
#include "qt/QtPropertyTreeWindow.h"
#include "support/KeyDump.h"
#include "terminal/ProfileColorSchemeList.h"

namespace {

using Form = VColorText::Form;

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

// The whole store as text, to compare byte for byte.
std::string DumpStore() {
  VProfileStore store(true, nullptr);
  return DumpKey(store.Root());
}

}  // namespace

class QtPageDialogWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ConnectDialogQtInit(); }

  // The swatch button opens the chooser on the colour shown and puts the colour picked back in
  // the form the control keeps; a chooser cancelled changes nothing.
  void colorButtonsChooseInTheirForm() {
    struct Case { int id; bool accepted; char const* after; };
    for (Case const& c : {Case{kRgb, true, "112233"}, Case{kNumber, true, "3351057"},  // 0xBBGGRR
                          Case{kNumber, false, "255"}}) {
      VPropertyTreePage page(1, "Sample", Sample());
      VPageDialog dialog("Sample", page);
      QColor opened;
      QString shown;
      modal::WhenShown<QtPageDialogWindow>([&](QtPageDialogWindow& window) {
        auto* button = qobject_cast<QPushButton*>(window.Panel()->Field(c.id));
        QVERIFY(button);
        PickColor(c.accepted ? QColor(0x11, 0x22, 0x33) : QColor(), &opened);
        QTest::mouseClick(button, Qt::LeftButton);
        shown = button->text();
        QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
      });
      QCOMPARE(dialog.DoModal(), IDOK);
      QCOMPARE(opened, QColor(c.id == kRgb ? "#ff8000" : "#ff0000"));
      QCOMPARE(shown, c.accepted ? QString("#112233") : QString("#FF0000"));
      QCOMPARE(page.Control(c.id)->value, std::string(c.after));
    }
  }

  // A colour that is none cannot leave the page: the message shows (its text is
  // GlobalOptionsDialogTest's), the window stays, the focus goes to its button.
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
    struct Case { int browse, field; QFileDialog::FileMode mode; QString title, chosen; };
    for (Case const& c : {Case{kFileBrowse, kFile, QFileDialog::ExistingFile, "Log file", file},
                          Case{kFolderBrowse, kFolder, QFileDialog::Directory, "Downloads", folder.path()}}) {
      VPropertyTreePage page(1, "Sample", Sample());
      VPageDialog dialog("Sample", page);
      QFileDialog::FileMode shownMode{};
      QString title, typed, browseName;
      modal::WhenShown<QtPageDialogWindow>([&](QtPageDialogWindow& window) {
        modal::WhenShown<QFileDialog>([&](QFileDialog& chooser) {
          shownMode = chooser.fileMode();
          title = chooser.windowTitle();
          chooser.selectFile(c.chosen);
          static_cast<QDialog&>(chooser).accept();  // QFileDialog keeps its override protected
        });
        QWidget* button = window.Panel()->Field(c.browse);
        QVERIFY(button);
        browseName = button->accessibleName();
        QTest::mouseClick(button, Qt::LeftButton);
        typed = qobject_cast<QLineEdit*>(window.Panel()->Field(c.field))->text();
        QTest::mouseClick(DialogButton(window, QDialogButtonBox::Ok), Qt::LeftButton);
      });
      QCOMPARE(dialog.DoModal(), IDOK);
      QCOMPARE(shownMode, c.mode);
      QCOMPARE(title, c.title);
      QCOMPARE(browseName, "Browse for " + c.title);
      QCOMPARE(typed, c.chosen);
      QCOMPARE(QString::fromStdString(page.Control(c.field)->value), c.chosen);
    }
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

  // Global Options > Color Schemes > Edit: a colour changed in the editor is stored on its OK;
  // Cancel leaves the store as it was.
  void theSchemeEditorStoresOnOkOnly() {
    for (bool const ok : {true, false}) {
      GlobalConfigWorld world;
      IsHaloKorvo_Korvo_Installed(true);
      GlobalOptionsDialog::DeleteStateMap();
      GlobalConfig* config = nullptr;
      GetGlobalConfig(config);
      config->Save();
      std::string const before = DumpStore();
      GlobalOptionsDialog dialog(*config);
      dialog.SetStartPage("Color Schemes");
      std::string scheme;
      QString title;
      QColor opened;
      modal::WhenShown<QtPropertyTreeWindow>([&](QtPropertyTreeWindow& window) {
        VPropertyTreePage* page = dialog.CurrentPage();
        QVERIFY(page && page->Caption() == "Color Schemes");
        scheme = page->Control(GlobalColorSchemesPage::kList)->value;
        modal::WhenShown<QtPageDialogWindow>([&](QtPageDialogWindow& editor) {
          title = editor.windowTitle();
          PickColor(QColor(0x10, 0x20, 0x30), &opened);
          QTest::mouseClick(editor.Panel()->Field(ColorSchemeEditorPage::kFirstForeground), Qt::LeftButton);
          QTest::mouseClick(DialogButton(editor, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), Qt::LeftButton);
        });
        QTest::mouseClick(window.Panel(page)->Field(GlobalColorSchemesPage::kEdit), Qt::LeftButton);
        QTest::mouseClick(DialogButton(window, QDialogButtonBox::Cancel), Qt::LeftButton);
      });
      dialog.DoModal();
      IsHaloKorvo_Korvo_Installed(false);
      QVERIFY(!scheme.empty());
      QCOMPARE(title, QString::fromStdString("Color Scheme - " + scheme));
      QVERIFY(opened.isValid());
      if (!ok) QCOMPARE(DumpStore(), before);
      if (!ok) continue;
      ProfileColorSchemeList stored;
      stored.Load(nullptr, ProfileColorSchemeList::kKeyName);
      QCOMPARE(ColorScheme(stored.Find(scheme.c_str())).foreground[0], COLORREF(0x302010));
    }
  }
};

QTEST_MAIN(QtPageDialogWindowTest)
#include "QtPageDialogWindowTest.moc"
