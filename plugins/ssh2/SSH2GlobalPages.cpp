#include "SSH2GlobalPages.h"

#include "IPropertyTreeDialog.h"
#include "SSH2GlobalPage.h"
#include "VPageControls.h"
#include "session/SSH2GlobalConfig.h"

SSH2GlobalPages& SSH2GlobalPages::Instance() {
  static SSH2GlobalPages pages;
  return pages;
}

std::vector<VPageControl> SSH2GlobalPages::Controls() {
  using VPageControls::File, VPageControls::List, VPageControls::Number;
  return {File(kKnownHostsFile, "&Known hosts file:", "SSH2 Known Hosts File", kBrowseKnownHosts, "Known Hosts File"),
          File(kDefaultIdentityFile, "Default &identity file:", "SSH2 Default Identity Filename", kBrowseIdentity,
               "Default Identity File"),
          Number(kKeepAliveInterval, "Keep-&alive interval (seconds, 0 for none):", "SSH2 Keep Alive Interval", 0,
                 SSH2GlobalConfig::kMaxKeepAliveInterval),
          List(kStrictHostKeyChecking, "Unknown &host keys:", "SSH2 Strict Host Key Checking",
               {{"Ask", "0"}, {"Accept new keys", "1"}, {"Refuse", "2"}, {"Accept every key", "3"}})};
}

void SSH2GlobalPages::Add(IPropertyTreeDialog* dialog, int) {
  if (!dialog || m_pages.count(dialog)) return;
  auto page = std::make_unique<SSH2GlobalPage>(Controls());
  dialog->AddPage(page.get());
  dialog->ShowPage(page.get());
  m_pages[dialog] = std::move(page);
}

void SSH2GlobalPages::Remove(IPropertyTreeDialog* dialog) {
  auto const found = m_pages.find(dialog);
  if (found == m_pages.end()) return;
  dialog->HidePage(found->second.get());
  dialog->RemovePage(found->second.get());
  m_pages.erase(found);
}
