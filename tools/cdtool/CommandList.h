// The tool's commands, in the order main adds them: one line each. A command is anything with
// Selected() and Run() (usually a Command); the list owns it and runs the one that was chosen.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class CommandList {
 public:
  // Makes the command from `arguments` and keeps it; the reference lives as long as the list.
  template <class C, class... Arguments>
  C& Add(Arguments&&... arguments) {
    auto command = std::make_shared<C>(std::forward<Arguments>(arguments)...);
    m_entries.push_back({[command] { return command->Selected(); }, [command] { return command->Run(); }});
    return *command;
  }

  // The exit code of the chosen command; 2 when none was chosen.
  int RunChosen() const;

 private:
  struct Entry {
    std::function<bool()> selected;
    std::function<int()> run;
  };

  std::vector<Entry> m_entries;
};
