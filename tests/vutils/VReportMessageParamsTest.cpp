#include "VReportMessageParams.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>

#include "VReportMessageRouter.h"
#include "platform/msgtable/StaticMessageTable.h"

namespace {

constexpr MessageEntry kEntries[] = {{0xA1700001, "Copied %1 and %2!d!.\r\n"}, {0xA1700002, "Kind test"}};
StaticMessageTable const table(kEntries);
MessageModule const module("libsample.so", &table);

std::string InsertText(IReportMessageParams const& report, int index) {
  return reinterpret_cast<char const*>(static_cast<uintptr_t>(report.GetInserts()[index]));
}

TEST(VReportMessageParams, InsertsGrowAndKeepTheirOrderAndKinds) {
  VReportMessageParams report(0xA1700001, &module);
  for (int i = 0; i < 40; ++i) {
    if (i % 2) report.AddNumber(static_cast<unsigned long>(i));
    else report.AddString(std::to_string(i).c_str());
  }
  ASSERT_EQ(report.GetInsertCount(), 40);
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(report.IsStringInsert(i), i % 2 == 0);
    if (i % 2) EXPECT_EQ(report.GetInserts()[i], static_cast<unsigned long>(i));
    else EXPECT_EQ(InsertText(report, i), std::to_string(i));
  }
  EXPECT_FALSE(report.IsStringInsert(40) || report.IsStringInsert(-1));
  EXPECT_STREQ(report.GetText(), "Copied 0 and 1.\r\n");
}

TEST(VReportMessageParams, WideStringsBecomeUtf8) {
  struct Case { std::wstring wide; std::string expected; };
  Case const cases[] = {
      {L"ab", "ab"}, {L"\xE9", "\xC3\xA9"}, {L"\x20AC", "\xE2\x82\xAC"}, {L"\x1F600", "\xF0\x9F\x98\x80"},
      {L"\xD83D\xDE00", "\xF0\x9F\x98\x80"}, {L"\xD83Dx", "\xEF\xBF\xBDx"}, {L"\xDE00", "\xEF\xBF\xBD"},
      {std::wstring(1, static_cast<wchar_t>(0x110000)), "\xEF\xBF\xBD"}, {L"", ""},
  };
  for (Case const& c : cases) {
    VReportMessageParams report;
    report.AddWideString(c.wide.c_str());
    EXPECT_EQ(InsertText(report, 0), c.expected);
  }
  VReportMessageParams report;
  report.AddWideString(nullptr);
  report.AddString(nullptr);
  EXPECT_EQ(InsertText(report, 0) + InsertText(report, 1), "");
}

TEST(VReportMessageParams, CopiesAreDeepAndIndependent) {
  auto* source = new VReportMessageParams(0xA1700001, &module);
  source->AddString("left");
  source->AddNumber(5);
  source->SetKind(3);
  VReportMessageParams copied(*source);
  VReportMessageParams assigned;
  assigned.AddString("discarded");
  assigned.SetKind(9);
  assigned.Assign(source);
  VReportMessageParams operatorCopy;
  operatorCopy = *source;
  source->Release();
  for (VReportMessageParams* r : {&copied, &assigned, &operatorCopy}) {
    EXPECT_TRUE(r->GetCode() == 0xA1700001u && r->GetModule() == &module && r->GetInsertCount() == 2);
    EXPECT_STREQ(r->GetText(), "Copied left and 5.\r\n");
  }
  EXPECT_EQ(copied.GetKind(), 3);
  EXPECT_EQ(assigned.GetKind(), 9) << "Assign leaves the kind";
  assigned.Assign(&assigned);
  EXPECT_EQ(assigned.GetInsertCount(), 2);
}

TEST(VReportMessageParams, TextIsMadeOnceUntilTheCodeChanges) {
  VReportMessageParams report(0xA1700001, &module);
  EXPECT_EQ(report.GetTextLength(), 0);
  report.AddString("a");
  report.AddNumber(1);
  char const* first = report.GetText();
  EXPECT_EQ(report.GetTextLength(), 17);
  report.AddNumber(2);
  EXPECT_EQ(report.GetText(), first);
  EXPECT_STREQ(report.GetTextSingleLine(), "Copied a and 1.\r\n") << "one kept text for both forms";
  report.SetCode(0xA1700002);
  EXPECT_EQ(report.GetInsertCount(), 3);
  EXPECT_STREQ(report.GetText(), "Kind test");
  report.SetKind(100);
  report.Reset(0xA1700001);
  EXPECT_TRUE(report.GetInsertCount() == 0 && report.GetKind() == -1 && report.GetTextLength() == 0);
  EXPECT_EQ(report.GetModule(), MessageModule::Library());
}

// Counts destructions, so that a double free or a leak shows as a wrong count.
struct CountedReport : VReportMessageParams {
  explicit CountedReport(std::atomic<int>& destroyed) : m_destroyed(destroyed) { AddString("owned"); }
  ~CountedReport() override { ++m_destroyed; }
  std::atomic<int>& m_destroyed;
};

TEST(VReportMessageParams, ReleasesFromManyThreadsDestroyOnce) {
  for (int round = 0; round < 50; ++round) {
    std::atomic<int> destroyed{0};
    auto* report = new CountedReport(destroyed);
    constexpr int kThreads = 4;
    for (int i = 1; i < kThreads; ++i) report->AddRef();
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) threads.emplace_back([report] { report->Release(); });
    for (auto& t : threads) t.join();
    ASSERT_EQ(destroyed.load(), 1);
  }
}

struct KeepingRouter : VReportMessageRouter {
  void Report(IReportMessageParams* report) override { kept.push_back(report); report->AddRef(); }
  ~KeepingRouter() override { for (IReportMessageParams* r : kept) r->Release(); }
  std::vector<IReportMessageParams*> kept;
};

KeepingRouter* installedRouter = nullptr;
VReportMessageRouter* CurrentRouter() { return installedRouter; }

TEST(ReportMessage, HandsACopyWithTheKindToTheRouter) {
  VReportMessageParams report(0xA1700001, &module);
  report.AddString("routed");
  report.AddNumber(2);
  SetReportMessageRouterGetter(nullptr);
  ReportMessage(0, report);  // no getter: dropped
  KeepingRouter router;
  SetReportMessageRouterGetter(&CurrentRouter);
  ReportMessage(0, report);  // the getter answers null: dropped
  installedRouter = &router;
  ReportMessage(100, report);
  SetReportMessageRouterGetter(nullptr);
  installedRouter = nullptr;
  ASSERT_EQ(router.kept.size(), 1u);
  IReportMessageParams* copy = router.kept[0];
  EXPECT_TRUE(copy != &report && copy->GetModule() == &module);
  EXPECT_TRUE(copy->GetKind() == 100 && report.GetKind() == -1);
  EXPECT_NE(copy->GetInserts()[0], report.GetInserts()[0]) << "string inserts are copied";
  EXPECT_STREQ(copy->GetText(), "Copied routed and 2.\r\n");
}

}  // namespace
