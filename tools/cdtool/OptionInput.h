// Takes option values from text through the option model, the one way every cdtool verb that
// sets options parses them: an assignment names an option of a record by its stored name
// (letter case ignored) and its text goes to the option's FromText. Protocol choices are taken
// first, since they decide which protocol options exist. Values become current values only:
// the caller saves the record when every assignment was taken, and drops it otherwise.
#pragma once

#include <string>
#include <vector>

class VProfileRecord;

class OptionInput {
 public:
  struct Assignment {
    std::string name;
    std::string value;
  };

  // What the verbs' help says of the forms a value takes.
  static constexpr char kFormsHelp[] =
      "Types: flag (true, false; also 1, 0, yes, no, on, off), number (-2147483648 to 2147483647, or 0x0 to "
      "0xffffffff as the 32 bits), unsigned (0 to 4294967295, or 0x0 to 0xffffffff), text, encoded text (given "
      "plain, stored encoded; ******** keeps it), layout (comma-separated numbers), record and bytes (hex, two "
      "digits per byte, a record exactly its length), text list and lines (a JSON array of texts: "
      "[\"one\",\"two\"]), protocol (a name `cdtool protocols` lists); a list is edited by its own noun.";

  // `takesProtocols` false refuses a protocol choice (a change that is not applied by value).
  explicit OptionInput(VProfileRecord& record, bool takesProtocols = true)
      : m_record(record), m_takesProtocols(takesProtocols) {}

  // The refusal of a name no option has, the same for every verb.
  static std::string NoOption(std::string const& name);
  // Splits each NAME=VALUE at its first '='; false with Error() set at the first that has none.
  bool Split(std::vector<std::string> const& texts, std::vector<Assignment>& assignments);
  // False with Error() set at the first assignment refused; those before it stay taken.
  bool Apply(std::vector<Assignment> const& assignments);
  std::string const& Error() const { return m_error; }

 private:
  bool ApplyOne(Assignment const& assignment, bool protocols);
  bool Fail(std::string reason);

  VProfileRecord& m_record;
  bool m_takesProtocols;
  std::string m_error;
};
