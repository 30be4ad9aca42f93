// The settings of a dial-up connection through a modem, stored in the session's key as
// "TAPI Phone Number" and "TAPI Modem" (empty: the system's default modem). The phone number
// stands in for the host name.
// Command line: /TAPI [/MODEM name] number
#pragma once

#include "CommandLineGrammar.h"
#include "VProfile2.h"
#include "VProfileTable.h"
#include "session/ConnectConfigRecord.h"

class TAPIConfig : public ConnectConfigRecord, private CommandLineGrammar {
 public:
  static ConnectConfig* Create(VProfileKey* key, ICommonConfig* common);

  VProfileOptionTable const& ProfileTable() const override { return _profileOffsets; }
  ConnectConfig* Clone(ICommonConfig*) const override { return new TAPIConfig(*this); }

  // A phone line has no host, user or network port to hand on.
  void SaveToMap(CMapStringToPtr& map) override;
  void ProcessCommandLine(CStringList& arguments, POSITION& position) override;
  CString CommandLine() override;
  int CanConnect() const override { return m_phoneNumber.IsEmpty() ? 0 : 1; }
  CString GetHostname() override { return CString(m_phoneNumber.Str()); }
  // Refuses a text that is not a dialable number; the number stays as it was.
  void SetHostname(char const* phoneNumber) override;

 private:
  explicit TAPIConfig(VProfileKey* key) { Load(key); }
  TAPIConfig(TAPIConfig const&) = default;

  // Digits and the dialling characters + * # , ( ) - . P T W and blanks.
  static bool IsDialable(std::string_view number);

  char const* ProtocolSwitch() const override { return "TAPI"; }
  bool TakeOption(std::string const& name, CommandLineReader& reader) override;
  bool TakeWord(std::string const& word, int index) override;

  static VProfileTable<TAPIConfig> const _profileOffsets;

  VProfile2<VString, VProfileSz> m_phoneNumber;
  VProfile2<VString, VProfileSz> m_modem;
};
