// A small modal dialog made of one page of declared controls: the secondary dialogs that
// options pages open (a record's properties, a scheme's colours, a port's line settings). The
// page reads its settings when the dialog opens and writes them only on OK, after its own
// checks; Cancel changes nothing. The page belongs to the caller and outlives the dialog.
#pragma once

#include <string>

#include "VPropertyTreePage.h"
#include "platform/ui/DialogModel.h"

class VPageDialog : public DialogModel {
 public:
  VPageDialog(std::string title, VPropertyTreePage& page) : m_title(std::move(title)), m_page(page) {}

  std::string const& Title() const { return m_title; }
  VPropertyTreePage& Page() const { return m_page; }

  void Open() override;
  // Ends with IDOK when the page takes its controls' values; otherwise it stays open.
  void OnOK() override;
  bool Command(int id, std::string& error) override;
  bool SetControl(int id, std::string const& value, std::string& error) override;

 private:
  std::string m_title;
  VPropertyTreePage& m_page;
};
