// The widest terminal a session may keep, which the application's global options decide. The
// terminal record asks here instead of reading the options, so it does not depend on them; the
// options install their answer when the library is loaded.
#pragma once

using TerminalColumnLimitSource = unsigned long (*)();

// Installs where the limit comes from; null goes back to the built-in limit.
void SetTerminalColumnLimitSource(TerminalColumnLimitSource source);
// The installed source's answer, or 132 (the options' own default) when none is installed.
unsigned long TerminalColumnLimit();
