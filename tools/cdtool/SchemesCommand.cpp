#include "SchemesCommand.h"

#include <cstdio>

#include "CommandOutput.h"
#include "terminal/RgbText.h"
#include "VProfileStore.h"
#include "terminal/ProfileColorSchemeList.h"

namespace {

using Scheme = ProfileColorSchemeList::Scheme;

char const* const kAttributes[ColorScheme::kEntries] = {
    "Normal", "Bold", "Underline", "Bold Underline", "Blink", "Blink Bold", "Blink Underline", "Blink Bold Underline"};

// Sessions fall back to Monochrome, and the hosts offer the other two whatever the user did.
char const* const kKept[] = {"Monochrome", "Traditional", "Windows"};

ProfileColorSchemeList LoadedList() {
  ProfileColorSchemeList list;
  list.Load(nullptr, ProfileColorSchemeList::kKeyName);
  return list;
}

std::string Quoted(std::string const& name) { return "\"" + name + "\""; }

std::string Switch(char const* label, uint8_t value) { return std::string(label) + (value ? "yes\n" : "no\n"); }

std::string Describe(Scheme const& scheme) {
  ColorScheme const& colors = scheme.Current();
  std::string text = "Name: " + scheme.GetName().Str() + "\n" + Switch("Advanced: ", colors.advanced) +
                     Switch("Overstrike bold: ", colors.overstrikeBold) +
                     Switch("Show underline: ", colors.showUnderline) + Switch("Enable blink: ", colors.enableBlink);
  char line[80];
  std::snprintf(line, sizeof line, "%-22s%-12s%s\n", "Attributes", "Foreground", "Background");
  text += line;
  for (int i = 0; i < ColorScheme::kEntries; ++i) {
    std::snprintf(line, sizeof line, "%-22s%-12s%s\n", kAttributes[i], RgbText::Format(colors.foreground[i]).c_str(),
                  RgbText::Format(colors.background[i]).c_str());
    text += line;
  }
  return text;
}

CLI::Validator RgbValidator() {
  return CLI::Validator(
      [](std::string& text) {
        COLORREF color = 0;
        return RgbText::Parse(text, color) ? std::string() : "not a colour in RRGGBB hex: " + text;
      },
      "RRGGBB");
}

}  // namespace

SchemesCommand::SchemesCommand(CLI::App& app) {
  m_schemes = app.add_subcommand("schemes", "List, show, add and remove colour schemes");
  m_schemes->require_subcommand(1);
  AddVerb(*m_schemes, "list", "List the colour schemes' names in their order", [this] { return List(); });
  CLI::App* show =
      AddVerb(*m_schemes, "show", "Show a scheme's switches and colours (RRGGBB)", [this] { return Show(); });
  show->add_option("NAME", m_name, "The scheme's name, in any case")->required();
  CLI::App* add =
      AddVerb(*m_schemes, "add", "Add a scheme with one colour pair for every attribute", [this] { return Add(); });
  add->add_option("NAME", m_name, "The new scheme's name")->required();
  add->add_option("--fg", m_foreground, "The text colour")->required()->check(RgbValidator());
  add->add_option("--bg", m_background, "The background colour")->required()->check(RgbValidator());
  CLI::App* remove = AddVerb(*m_schemes, "rm", "Remove a scheme (not Monochrome, Traditional or Windows)",
                             [this] { return Remove(); });
  remove->add_option("NAME", m_name, "The scheme's name, in any case")->required();
}

int SchemesCommand::List() {
  ProfileColorSchemeList const list = LoadedList();
  std::string text;
  for (int i = 0; i < list.GetCount(); ++i) text += list.GetAt(i).GetName().Str() + "\n";
  return CommandOutput::Print(text);
}

int SchemesCommand::Show() {
  ProfileColorSchemeList const list = LoadedList();
  int const index = list.IndexOf(m_name.c_str());
  if (index < 0) return CommandOutput::Refuse("no colour scheme named " + Quoted(m_name));
  return CommandOutput::Print(Describe(list.GetAt(index)));
}

int SchemesCommand::Add() {
  if (m_name.empty()) return CommandOutput::Refuse("a colour scheme needs a name");
  ColorScheme colors;
  COLORREF foreground = 0;
  COLORREF background = 0;
  // Both were checked when the options were parsed.
  RgbText::Parse(m_foreground, foreground);
  RgbText::Parse(m_background, background);
  colors.SetColors(foreground, background);
  {
    VProfileStore work;  // the read and the write form one unit of work
    ProfileColorSchemeList list = LoadedList();
    if (list.Exists(m_name.c_str()))
      return CommandOutput::Refuse("a colour scheme named " + Quoted(m_name) + " exists already; remove it first");
    list.Add(m_name.c_str(), colors);
    list.Save(nullptr, false);
  }
  if (!LoadedList().Exists(m_name.c_str())) return CommandOutput::Refuse("could not save " + Quoted(m_name));
  return 0;
}

int SchemesCommand::Remove() {
  {
    VProfileStore work;  // the read and the write form one unit of work
    ProfileColorSchemeList list = LoadedList();
    int const index = list.IndexOf(m_name.c_str());
    if (index < 0) return CommandOutput::Refuse("no colour scheme named " + Quoted(m_name));
    for (char const* kept : kKept)
      if (list.IndexOf(kept) == index) return CommandOutput::Refuse(Quoted(kept) + " cannot be removed");
    list.RemoveAt(index);
    list.Save(nullptr, false);
  }
  if (LoadedList().Exists(m_name.c_str())) return CommandOutput::Refuse("could not remove " + Quoted(m_name));
  return 0;
}
