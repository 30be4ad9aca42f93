// The presenter that shows dialog models in Qt windows. Each kind of model has a window factory;
// RunModal opens the model, builds its window and runs it modally until the model has ended.
// The window forwards the user's actions to the model's commands and ends the dialog only through
// the model, so every rule stays there. A model with no window registered is cancelled, reported on
// the standard error stream. Called from the thread that owns the QApplication only.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/DialogPresenter.h"

class QDialog;
class QWidget;

class QtDialogPresenter : public DialogPresenter {
 public:
  // Builds the window of a model it recognises, or returns null for a model of another kind.
  using WindowFactory = std::function<std::unique_ptr<QDialog>(DialogModel& model, QWidget* parent)>;

  // Adds the window of the models of class `Model` (and the classes derived from it). Factories
  // are tried in the order they were added, so a derived class goes before its base.
  template <typename Model>
  void Add(std::function<std::unique_ptr<QDialog>(Model& model, QWidget* parent)> make) {
    m_factories.push_back([make = std::move(make)](DialogModel& model, QWidget* parent) {
      auto* typed = dynamic_cast<Model*>(&model);
      return typed ? make(*typed, parent) : std::unique_ptr<QDialog>();
    });
  }

  int RunModal(DialogModel& dialog) override;

 private:
  std::unique_ptr<QDialog> MakeWindow(DialogModel& dialog, QWidget* parent) const;

  std::vector<WindowFactory> m_factories;
};
