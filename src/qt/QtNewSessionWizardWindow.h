// The window of the New Session Wizard: the current page drawn from its control declarations
// above a rule, Back, Next, Finish and Cancel below. The model decides the page order and which
// buttons are shown and enabled; the window only draws them and forwards every press. A page
// that refuses to be left stays, its faulty control holding the focus.
#pragma once

#include <QDialog>
#include <map>

class NewSessionWizard;
class QLabel;
class QPushButton;
class QStackedWidget;
class QtControlPanel;
class VPropertyTreePage;

class QtNewSessionWizardWindow : public QDialog {
  Q_OBJECT

 public:
  QtNewSessionWizardWindow(NewSessionWizard& model, QWidget* parent = nullptr);

  // Enter: Next, or Finish on the finish page, as the model decides.
  void accept() override;
  void reject() override;

  // The panel drawing `page`; null for a page the model does not hold.
  QtControlPanel* Panel(VPropertyTreePage const* page) const;
  QPushButton* BackButton() const { return m_back; }
  QPushButton* NextButton() const { return m_next; }
  QPushButton* FinishButton() const { return m_finish; }
  QPushButton* CancelButton() const { return m_cancel; }

 private:
  QPushButton* AddButton(char const* text, char const* spoken, int command);
  void Press(int command);
  // Draws the model's current page and buttons, or closes the window once the model has ended.
  void Sync();
  void DrawButtons();
  void Close();

  NewSessionWizard& m_model;
  QLabel* m_caption;
  QStackedWidget* m_pages;
  std::map<VPropertyTreePage const*, QtControlPanel*> m_panels;
  QPushButton* m_back = nullptr;
  QPushButton* m_next = nullptr;
  QPushButton* m_finish = nullptr;
  QPushButton* m_cancel = nullptr;
  VPropertyTreePage const* m_shown = nullptr;
};
