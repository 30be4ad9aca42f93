// One step of a dialog script: what the user does next ("select", "key", "set" ...) and its
// arguments as text, with its place in the script for error reports.
#pragma once

#include <map>
#include <string>

class DialogStep {
 public:
  DialogStep() = default;
  DialogStep(std::string name, int index) : m_name(std::move(name)), m_index(index) {}

  std::string const& Name() const { return m_name; }
  // The step's place in its script, from 0.
  int Index() const { return m_index; }

  void SetArgument(std::string const& name, std::string value) { m_arguments[name] = std::move(value); }
  std::map<std::string, std::string> const& Arguments() const { return m_arguments; }

  // The argument `name`; false, with `error` naming it, when the step has none.
  bool Text(std::string const& name, std::string& value, std::string& error) const;
  // The argument `name` as a decimal number of int range; false, with `error` saying why.
  bool Integer(std::string const& name, int& value, std::string& error) const;

 private:
  std::string m_name;
  int m_index = 0;
  std::map<std::string, std::string> m_arguments;
};
