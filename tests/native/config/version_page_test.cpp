#include "console/core/version_page.h"

#include <gtest/gtest.h>

using namespace console;

namespace {

TEST(VersionPage, NumberLaidOutByMask) {
  EXPECT_EQ(VersionPageNumber(1.0800005f), "1.080");
  // Without a version resource the number's text is in exponent form and stays as it is.
  EXPECT_EQ(VersionPageNumber(0.0000005f), "4.99999998737621E-7");
  EXPECT_EQ(VersionPageNumber(12.3450005f), "12.345");
  EXPECT_EQ(VersionPageNumber(2.0000005f), "2.000");
}

TEST(VersionPage, WholePageBytes) {
  const std::string expected =
      "<html>\r\n"
      "<head>\r\n"
      "<title>\x83\x6f\x81\x5b\x83\x57\x83\x87\x83\x93\x8f\xee\x95\xf1</title>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n"
      "</head>\r\n"
      "<body bgcolor=\"EEFFCC\">\r\n"
      "<div align=\"center\">\r\n"
      "<table border=\"0\" width=\"100\">\r\n"
      "  <tr align=\"center\">\r\n"
      "    <td nowrap><font size=\"4\"><font color=\"00CC00\">TradeQuorvex\x81\x49\x81\x49"
      "</font><font color=\"3333FF\"> Ver 1.080</font></font><br>\r\n"
      "      <font size=\"2\"><font color=\"FF0000\">\x83\x58\x83\x5e\x83\x93\x83\x5f\x81\x5b"
      "\x83\x68\x94\xc5</font></font><br>\r\n"
      "      <font size=\"2\"><br>";
  const std::string page = BuildVersionPage(1.0800005f);
  ASSERT_GE(page.size(), expected.size());
  EXPECT_EQ(page.substr(0, expected.size()), expected);

  const std::string tail =
      "</font>\r\n"
      "    </td>\r\n"
      "</tr>\r\n"
      "</table>\r\n"
      "</div>\r\n"
      "</body>\r\n"
      "</html>\r\n";
  EXPECT_EQ(page.substr(page.size() - tail.size()), tail);

  // The maker's four lines: the second links the online help in a new window.
  const std::string makerLines =
      page.substr(expected.size(), page.size() - expected.size() - tail.size() + 9);
  int lineEnds = 0;
  for (size_t p = makerLines.find("\r\n"); p != std::string::npos;
       p = makerLines.find("\r\n", p + 2))
    ++lineEnds;
  EXPECT_EQ(lineEnds, 4);
  const std::string second =
      "      URL <a href=\"https://www.quorvex.example/soft/FX/EA/Pelmora/help/\" "
      "target=\"_blank\">\x8d\xc5\x90\x56\x82\xcc\x83\x77\x83\x8b\x83\x76\x81\x69\x90\xe0"
      "\x96\xbe\x81\x6a</a><br><br>\r\n";
  EXPECT_NE(makerLines.find("\r\n" + second), std::string::npos);
}

}  // namespace
