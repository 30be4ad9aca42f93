#include "ReportOutput.h"

#include <cstdio>

#include "CommandOutput.h"
#include "JsonOutput.h"
#include "VReportMessageParams.h"

std::string ReportOutput::Code(unsigned long code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", code & 0xFFFFFFFFul);
  return text;
}

int ReportOutput::Refuse(VReportMessageParams& report, bool json) {
  // A report formats its text once, so both outputs show the one-line form.
  std::string const text = report.GetTextSingleLine();
  if (json) JsonOutput::Print({{"ok", false}, {"code", Code(report.GetCode())}, {"text", text}});
  return CommandOutput::Refuse(text);
}
