// The FTP page of the Global Options dialog. Each socket buffer ("Receive Buffer Size",
// "Send Buffer Size") is either the system's default size (a stored size below 1; the size
// field then shows 8192 and is disabled) or a size typed into its field, which leaving the page
// or OK requires to lie from 1024 to 65536 bytes ("Please enter a buffer size between 1024 and
// 65536.", the focus on the field). "Use outgoing data connections (PASV)" is a "Data Connection
// Type" of 2 (passive); clearing it stores 1 (active).
#pragma once

#include "VPropertyTreePage.h"

class GlobalConfig;

class GlobalFtpPage : public VPropertyTreePage {
 public:
  enum ControlId {
    kReceiveDefault = 1080,
    kReceiveSized = 1081,
    kReceiveSize = 1082,
    kSendDefault = 1083,
    kSendSized = 1084,
    kSendSize = 1085,
    kPassive = 1153,
    kNoServerToServer = 1090,
  };
  static constexpr int kMinimumSize = 1024;
  static constexpr int kMaximumSize = 65536;
  static constexpr int kShownDefaultSize = 8192;

  // Edits `options`, the dialog's working copy, which outlives the page.
  explicit GlobalFtpPage(GlobalConfig& options);

  bool OnSetActive() override;
  bool OnKillActive() override;

 protected:
  void OnControlChanged(VPageControl& control) override;

 private:
  struct Buffer;
  static Buffer const kBuffers[];

  void ShowBuffer(Buffer const& buffer);
  bool ChosenSize(Buffer const& buffer, int& size);

  GlobalConfig& m_options;
};
