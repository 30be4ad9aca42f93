// The window of the New Session Wizard, a QWizard whose one page shows the model's current page
// drawn from its control declarations. The model decides the page order, the back stack and which
// buttons are shown and enabled; the window draws that and forwards every press (QWizard's own
// history is not used: a plug-in may lead the model anywhere). A page that refuses to be left
// stays, its faulty control holding the focus.
#pragma once

#include <QWizard>
#include <map>

class NewSessionWizard;
class QPushButton;
class QStackedWidget;
class QWizardPage;
class QtControlPanel;
class VPropertyTreePage;

class QtNewSessionWizardWindow : public QWizard {
  Q_OBJECT

 public:
  QtNewSessionWizardWindow(NewSessionWizard& model, QWidget* parent = nullptr);

  // The Finish button.
  void accept() override;
  void reject() override;
  void setVisible(bool visible) override;

  // The panel drawing `page`; null for a page the model does not hold.
  QtControlPanel* Panel(VPropertyTreePage const* page) const;
  QPushButton* BackButton() const { return Button(QWizard::BackButton); }
  QPushButton* NextButton() const { return Button(QWizard::NextButton); }
  QPushButton* FinishButton() const { return Button(QWizard::FinishButton); }
  QPushButton* CancelButton() const { return Button(QWizard::CancelButton); }

 private:
  QPushButton* Button(WizardButton which) const;
  void TakeButton(WizardButton which, char const* text, char const* spoken, int command);
  void Press(int command);
  // Draws the model's current page and buttons, or closes the window once the model has ended.
  void Sync();
  void DrawButtons();
  void Close();

  NewSessionWizard& m_model;
  QWizardPage* m_sheet;
  QStackedWidget* m_pages;
  std::map<VPropertyTreePage const*, QtControlPanel*> m_panels;
  VPropertyTreePage const* m_shown = nullptr;
};
