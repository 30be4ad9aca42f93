#include "CommandLineWriter.h"

#include "CommandLineText.h"

void CommandLineWriter::Add(std::string_view argument) {
  if (!m_text.empty()) m_text += ' ';
  m_text += CommandLineText::Quote(argument);
}

void CommandLineWriter::AddOption(char const* name, std::string_view value) {
  Add(std::string("/") + name);
  Add(value);
}
