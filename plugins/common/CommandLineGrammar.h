// What a connection record understands on a host's command line: its protocol switch, its
// options and its plain words. CommandLineReader drives it.
#pragma once

#include <string>

class CommandLineReader;

class CommandLineGrammar {
 public:
  // The switch that names the protocol, in capitals and without the slash ("SSH2").
  virtual char const* ProtocolSwitch() const = 0;
  // Takes the option "/name" (`name` in capitals), reading its value from `reader` when it has
  // one. False when the option is not the record's or its value is unusable; nothing changes then.
  virtual bool TakeOption(std::string const& name, CommandLineReader& reader) = 0;
  // Takes the plain word that is the index-th one (from 0); false when the record has no use for it.
  virtual bool TakeWord(std::string const& word, int index) = 0;

 protected:
  ~CommandLineGrammar() = default;
};
