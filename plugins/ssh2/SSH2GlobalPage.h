// The SSH2 page of the Global Options dialog: its controls edit a copy of the product's
// SSH2-wide options, which the page stores when the dialog ends with OK.
#pragma once

#include <memory>
#include <vector>

#include "VOptionList.h"
#include "VPropertyTreePage.h"
#include "session/SSH2GlobalConfig.h"

class SSH2GlobalPage : public VPropertyTreePage {
 public:
  explicit SSH2GlobalPage(std::vector<VPageControl> controls);

  // Stores the options the user changed; a store that refuses the write is said in a message.
  void OnOK() override;

 private:
  std::unique_ptr<SSH2GlobalConfig> m_config;
  VOptionList m_options;
};
