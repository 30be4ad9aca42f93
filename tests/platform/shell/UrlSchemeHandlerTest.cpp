#include "platform/shell/UrlSchemeHandler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempFolder.h"

namespace {

constexpr char kType[] = "x-scheme-handler/telnet";

TEST(UrlSchemeHandlerTest, TheListKeepsEveryOtherLine) {
  struct Case { char const* name; std::string before; std::string after; };
  for (Case const& c : {
           Case{"no file", "", "[Default Applications]\nx-scheme-handler/telnet=k.desktop\n"},
           Case{"another group only, no final line feed", "[Added Associations]\ntext/plain=ed.desktop",
                "[Added Associations]\ntext/plain=ed.desktop\n\n[Default Applications]\nx-scheme-handler/telnet=k.desktop\n"},
           Case{"the type's line replaced in place, its twin left",
                "# mine\n[Default Applications]\ntext/html=web.desktop\n x-scheme-handler/telnet = old.desktop;\n"
                "x-scheme-handler/telnet=twin.desktop\n",
                "# mine\n[Default Applications]\ntext/html=web.desktop\nx-scheme-handler/telnet=k.desktop\n"
                "x-scheme-handler/telnet=twin.desktop\n"},
           Case{"added after the group's last line, before the blank and the next group",
                "[Default Applications]\ntext/html=web.desktop\n\n[Removed Associations]\nx-scheme-handler/telnet=k.desktop\n",
                "[Default Applications]\ntext/html=web.desktop\nx-scheme-handler/telnet=k.desktop\n\n"
                "[Removed Associations]\nx-scheme-handler/telnet=k.desktop\n"},
           Case{"a look-alike key is another type", "[Default Applications]\nx-scheme-handler/telnets=t.desktop\r\n",
                "[Default Applications]\nx-scheme-handler/telnets=t.desktop\r\nx-scheme-handler/telnet=k.desktop\n"},
       }) {
    EXPECT_EQ(UrlSchemeHandler::WithDefault(c.before, kType, "k.desktop"), c.after) << c.name;
  }
}

TEST(UrlSchemeHandlerTest, RegisterWritesTheEntryAndTheDefault) {
  TempFolder root;
  XdgLocations locations = XdgLocations::UnderRoot(root.Path());
  UrlSchemeHandler handler(locations);
  std::filesystem::create_directories(locations.configHome);
  WriteFileBytes(handler.ListPath(), "[Added Associations]\ntext/plain=ed.desktop;\n");

  ASSERT_TRUE(handler.Register("telnet", "korvo-telnet.desktop", "Korvo", "/opt/my hosts/cdhost-korvo", {}))
      << handler.Report();
  EXPECT_EQ(ReadFileBytes(handler.EntryPath("korvo-telnet.desktop")),
            "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Korvo\nExec=\"/opt/my hosts/cdhost-korvo\" %u\n"
            "Terminal=false\nMimeType=x-scheme-handler/telnet;\nNoDisplay=true\n");
  EXPECT_EQ(ReadFileBytes(handler.ListPath()),
            "[Added Associations]\ntext/plain=ed.desktop;\n\n[Default Applications]\n"
            "x-scheme-handler/telnet=korvo-telnet.desktop\n");

  std::string const list = ReadFileBytes(handler.ListPath());
  for (char const* bad : {"", "../up.desktop", ".hidden.desktop", "no-suffix"}) {
    EXPECT_FALSE(handler.Register("telnet", bad, "Korvo", "/bin/true", {})) << bad;
    EXPECT_FALSE(handler.Report().empty()) << bad;
  }
  EXPECT_EQ(ReadFileBytes(handler.ListPath()), list);
  // A list that cannot be replaced is reported and left as it is.
  std::filesystem::remove(handler.ListPath());
  std::filesystem::create_directory(handler.ListPath());
  EXPECT_FALSE(handler.Register("telnet", "korvo-telnet.desktop", "Korvo", "/bin/true", {}));
  EXPECT_FALSE(handler.Report().empty());
  EXPECT_TRUE(std::filesystem::is_directory(handler.ListPath()));
}

}  // namespace
