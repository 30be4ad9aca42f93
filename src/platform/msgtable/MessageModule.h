// A module that carries message texts (on this platform: a loaded library that registered its
// table). Reports name their source module with a pointer to one of these; modules live for the
// rest of the process once registered.
#pragma once

#include <string>

class MessageTable;

class MessageModule {
 public:
  MessageModule(std::string fileName, MessageTable const* table) : m_fileName(std::move(fileName)), m_table(table) {}

  std::string const& FileName() const { return m_fileName; }
  MessageTable const* Table() const { return m_table; }

  // The library's own module, registered when the library is loaded; null before that.
  static MessageModule const* Library();
  static void SetLibrary(MessageModule const* module);

  // The host executable's table, searched after the source module's: none on this platform
  // unless a host installs one (null removes it).
  static MessageTable const* ExecutableTable();
  static void SetExecutableTable(MessageTable const* table);

 private:
  std::string m_fileName;
  MessageTable const* m_table;
};
