// A converter that answers every request with one scripted outcome: success with a fixed
// result, or failure with a given report code.
#pragma once

#include "IProfileTextConverter.h"
#include "IReportMessageParams.h"

class ScriptedConverter : public IProfileTextConverter {
 public:
  ScriptedConverter(bool succeed, unsigned long failureCode) : m_succeed(succeed), m_failureCode(failureCode) {}

  bool TextToList(VStringArray& out, VString const& text, IReportMessageParams& report, bool) override {
    out = VStringArray{text, "converted"};
    return Answer(report);
  }
  bool TextToString(VString& out, VString const& text, IReportMessageParams& report, bool) override {
    out = VString("converted:") + text;
    return Answer(report);
  }
  bool TextToBool(bool* out, VString const& text, IReportMessageParams& report) override {
    *out = text == "yes";
    return Answer(report);
  }

 private:
  bool Answer(IReportMessageParams& report) {
    if (!m_succeed) report.SetCode(m_failureCode);
    return m_succeed;
  }

  bool m_succeed;
  unsigned long m_failureCode;
};
