#include "VFile.h"

#include <gtest/gtest.h>

#include "platform/types/FileConstants.h"
#include "platform/types/LastError.h"
#include "platform/types/WinTypes.h"
#include "support/TempFolder.h"

namespace {

// Every ReadLine result until the first false, as "line|" entries, "*" marking an EOF error.
std::string ReadAll(std::string const& path) {
  VFile file;
  EXPECT_TRUE(file.Open(path.c_str(), GENERIC_READ, OPEN_EXISTING));
  std::string seen;
  VString line("not emptied");
  for (int guard = 0; guard < 100000; ++guard) {
    SetLastError(0);
    bool more = file.ReadLine(line);
    seen += std::string(line.View()) + (GetLastError() == ERROR_HANDLE_EOF ? "*" : "") + "|";
    if (!more) break;
  }
  return seen;
}

TEST(VFile, ReadLineSplitsAtLineFeedsAndDropsCarriageReturns) {
  TempFolder folder;
  std::string const longLine(70000, 'x');
  struct Case { std::string bytes, expected; };
  Case const cases[] = {
      {"a\r\nb", "a|b*|*|"}, {"", "*|"},           {"\r", "*|"},     {"\r\n", "|*|"},
      {"\n\n", "||*|"},      {"a\rb\r\r\nc\n", "ab|c|*|"}, {"abc\n", "abc|*|"},
      {std::string("a\0b\n", 4), std::string("a\0b|*|", 6)},
      {longLine + "\r\nend", longLine + "|end*|*|"},
      {std::string(65535, 'y') + "\r\nz", std::string(65535, 'y') + "|z*|*|"},
  };
  for (Case const& c : cases) {
    WriteFileBytes(folder / "lines", c.bytes);
    EXPECT_EQ(ReadAll(folder / "lines"), c.expected) << c.bytes.substr(0, 20);
  }
}

TEST(VFile, OpenFollowsTheDisposition) {
  TempFolder folder;
  // After the open the file holds `content`; "-" when it must not exist.
  struct Case { bool exists; unsigned long access, disposition; bool opens; unsigned long error; std::string content; };
  unsigned long const R = GENERIC_READ, W = GENERIC_WRITE;
  Case const cases[] = {
      {false, R, OPEN_EXISTING, false, ERROR_FILE_NOT_FOUND, "-"}, {true, R, OPEN_EXISTING, true, 0, "old"},
      {false, W, CREATE_NEW, true, 0, ""},           {true, W, CREATE_NEW, false, ERROR_FILE_EXISTS, "old"},
      {true, W, CREATE_ALWAYS, true, 0, ""},         {false, R | W, CREATE_ALWAYS, true, 0, ""},
      {true, R, OPEN_ALWAYS, true, 0, "old"},        {false, R, OPEN_ALWAYS, true, 0, ""},
      {true, W, TRUNCATE_EXISTING, true, 0, ""},     {false, W, TRUNCATE_EXISTING, false, ERROR_FILE_NOT_FOUND, "-"},
      {true, R, TRUNCATE_EXISTING, false, ERROR_INVALID_PARAMETER, "old"},
      {true, R, CREATE_ALWAYS, false, ERROR_INVALID_PARAMETER, "old"},
      {true, R, 0, false, ERROR_INVALID_PARAMETER, "old"}, {true, R, 6, false, ERROR_INVALID_PARAMETER, "old"},
  };
  for (Case const& c : cases) {
    std::string path = folder / "f";
    std::filesystem::remove(path);
    if (c.exists) WriteFileBytes(path, "old");
    VFile file;
    SetLastError(0);
    bool opened = file.Open(path.c_str(), c.access, c.disposition);
    SCOPED_TRACE(std::to_string(c.disposition) + (c.exists ? " existing" : " missing"));
    EXPECT_EQ(opened, c.opens);
    EXPECT_EQ(file.IsOpen(), c.opens);
    EXPECT_EQ(opened ? file.GetFileName().Str() : path, path);
    EXPECT_EQ(opened ? file.GetSize() : GetLastError(), opened ? c.content.size() : c.error);
    file.Close();
    EXPECT_EQ(std::filesystem::exists(path) ? ReadFileBytes(path) : "-", c.content);
  }
}

TEST(VFile, BadTargetsFailCleanly) {
  TempFolder folder;
  VFile file;
  EXPECT_FALSE(file.Open(folder.Path().c_str(), GENERIC_READ, OPEN_EXISTING));
  EXPECT_EQ(GetLastError(), static_cast<unsigned long>(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(file.Open((folder / "no/such/file").c_str(), GENERIC_READ, OPEN_EXISTING));
  EXPECT_EQ(GetLastError(), static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(file.Open(nullptr, GENERIC_READ, OPEN_EXISTING) || file.Open("", GENERIC_READ, OPEN_EXISTING));
  VString line;
  unsigned long written = 7;
  EXPECT_FALSE(file.ReadLine(line));
  EXPECT_EQ(GetLastError(), static_cast<unsigned long>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(file.Write("x", 1, written) || written != 0u || file.Seek(0, nullptr, FILE_BEGIN));
}

TEST(VFile, OpenFileIsNotShared) {
  TempFolder folder;
  WriteFileBytes(folder / "f", "x");
  VFile first, second;
  ASSERT_TRUE(first.Open((folder / "f").c_str(), GENERIC_READ, OPEN_EXISTING));
  EXPECT_FALSE(second.Open((folder / "f").c_str(), GENERIC_READ, OPEN_EXISTING));
  EXPECT_EQ(GetLastError(), static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
  EXPECT_FALSE(second.Open((folder / "f").c_str(), GENERIC_WRITE, CREATE_ALWAYS));
  EXPECT_EQ(ReadFileBytes(folder / "f"), "x") << "a refused open truncates nothing";
  first.Close();
  EXPECT_TRUE(second.Open((folder / "f").c_str(), GENERIC_READ, OPEN_EXISTING));
}

TEST(VFile, WriteAndSeekSeeTheLogicalPosition) {
  TempFolder folder;
  std::string path = folder / "f";
  WriteFileBytes(path, "one\ntwo\nthree\n");
  VFile file;
  ASSERT_TRUE(file.Open(path.c_str(), GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING));
  auto next = [&file] {
    VString line;
    EXPECT_TRUE(file.ReadLine(line));
    return line.Str();
  };
  EXPECT_EQ(next(), "one");
  unsigned long written = 0;
  ASSERT_TRUE(file.Write("TWO\n", 4, written) && written == 4u);
  EXPECT_EQ(next(), "three");
  ASSERT_TRUE(file.Seek(4, nullptr, FILE_BEGIN));
  EXPECT_EQ(next(), "TWO");
  ASSERT_TRUE(file.Seek(-6, nullptr, FILE_END));
  EXPECT_EQ(next(), "three");
  ASSERT_TRUE(file.Seek(0, nullptr, FILE_BEGIN));
  EXPECT_FALSE(file.Seek(-1, nullptr, FILE_CURRENT));
  EXPECT_EQ(GetLastError(), static_cast<unsigned long>(ERROR_NEGATIVE_SEEK));
  EXPECT_FALSE(file.Seek(0, nullptr, 3));
  EXPECT_EQ(next(), "one") << "failed seeks leave the position";
  long high = 1;
  ASSERT_TRUE(file.Seek(8, &high, FILE_BEGIN) && high == 1);
  high = -2;  // back by 0x100000004, as a 64-bit distance
  ASSERT_TRUE(file.Seek(static_cast<long>(0xFFFFFFFCL), &high, FILE_CURRENT) && high == 0);
  EXPECT_EQ(next(), "TWO");
  file.Close();
  EXPECT_EQ(ReadFileBytes(path), "one\nTWO\nthree\n");
}

}  // namespace
