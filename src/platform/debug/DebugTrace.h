// Diagnostic output for developers, never for users: the library's debug traces. They go to
// standard error when BRIMVALE_DEBUG_TRACE is set to a non-empty value, and nowhere otherwise.
// A test may install a sink to read them.
#pragma once

#include <functional>
#include <string>

using DebugTraceSink = std::function<void(std::string const& text)>;

// Writes `text` as it is (callers end their lines).
void DebugTrace(std::string const& text);
// Sends later traces to `sink`; an empty sink restores the default.
void SetDebugTraceSink(DebugTraceSink sink);
