// Draws a list of declared page controls (VPageControl) as widgets in a two-column grid, label
// beside field, and forwards what the user does to the dialog model: typing, ticking and picking
// as SetControl, pressing as Command. A colour is a button showing its swatch that opens a colour
// chooser; a file or folder field is an edit box with a browse button whose chooser the model
// runs through the user interface. After each action the model's declarations are drawn again
// (values, choices, enabled and shown states), so rules that change other controls show at once.
// A control the model refuses shows its value from before. Every field gets an accessible name
// from its label (or from the label above it), and the tab order follows the grid.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "VPageControl.h"

class DialogModel;
class QGridLayout;
class QLabel;
class QPushButton;

class QtControlPanel : public QWidget {
  Q_OBJECT

 public:
  using Controls = std::function<std::vector<VPageControl> const&()>;
  // A control that its page draws itself (the on-screen keyboard): its widget, and what redraws
  // it from the page's model whenever the panel is drawn.
  struct CustomField {
    QWidget* widget = nullptr;
    std::function<void()> refresh;
  };
  using FieldMaker = std::function<CustomField(VPageControl const& control, QWidget* parent)>;

  // `controls` reads the model's declarations; `order` lists the ids in the order drawn
  // (empty: the declarations' order; ids it leaves out are not drawn). `custom` draws the
  // controls of kinds the panel cannot draw from their declaration; without it they stay empty.
  QtControlPanel(DialogModel& model, Controls controls, std::vector<int> order = {}, QWidget* parent = nullptr,
                 FieldMaker custom = {});

  // Draws the declarations' current state.
  void Refresh();
  // The field of control `id`, or the browse button `id` of a file or folder field; null when
  // there is none.
  QWidget* Field(int id) const;
  // Puts the keyboard focus on control `id`, if it is drawn.
  void FocusControl(int id);

 signals:
  // The model took a user action: the owner redraws what else may have changed.
  void Acted();

 private:
  struct Row {
    int id = 0;
    size_t index = 0;  // of its declaration
    VControlKind kind = VControlKind::Label;
    QLabel* label = nullptr;
    QWidget* field = nullptr;
    std::function<void()> refresh;  // of a custom field
    int browseId = 0;
    QPushButton* browse = nullptr;
  };

  void AddRow(VPageControl const& control, size_t index, int row);
  QWidget* MakeField(VPageControl const& control);
  QWidget* MakeCustom(VPageControl const& control, std::function<void()>& refresh);
  // The browse button beside a file or folder field.
  QPushButton* MakeBrowse(VPageControl const& control);
  // Lets the user pick the colour of control `id` in a colour chooser.
  void ChooseColor(int id);
  void Draw(Row const& row, VPageControl const& control, std::string const& nameAbove, bool repeated);
  void Set(int id, std::string const& value);
  void Press(int id);
  // The position of control `id` among the declarations; their count when there is none.
  size_t IndexOf(int id) const;

  DialogModel& m_model;
  Controls m_controls;
  FieldMaker m_custom;
  QGridLayout* m_grid;
  std::vector<Row> m_rows;
  bool m_drawing = false;
};
