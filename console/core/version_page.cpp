#include "console/core/version_page.h"

#include "common/number_text.h"
#include "common/text.h"

namespace console {

std::string OnlineHelpAddress() {
  return std::string(kSiteRoot) + kHelpPagePath;
}

std::string VersionPageNumber(float ownVersion) {
  return common::FormatPrice("##,###,###.###", common::FloatToText(ownVersion));
}

std::string BuildVersionPage(float ownVersion) {
  const std::string crlf = "\r\n";
  std::string page;
  page += "<html>" + crlf;
  page += "<head>" + crlf;
  page += "<title>バージョン情報</title>" + crlf;
  page += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">" + crlf;
  page += "</head>" + crlf;
  page += "<body bgcolor=\"EEFFCC\">" + crlf;
  page += "<div align=\"center\">" + crlf;
  page += "<table border=\"0\" width=\"100\">" + crlf;
  page += "  <tr align=\"center\">" + crlf;
  page +=
      "    <td nowrap><font size=\"4\"><font color=\"00CC00\">TradeQuorvex！！</font>"
      "<font color=\"3333FF\"> Ver " +
      VersionPageNumber(ownVersion) + "</font></font><br>" + crlf;
  page += "      <font size=\"2\"><font color=\"FF0000\">スタンダード版</font></font><br>" + crlf;
  // The small font opened here is closed by the last of the maker's four lines.
  page += "      <font size=\"2\"><br>";
  page += "      Quorvex ソフトウェア工房<br>" + crlf;
  page += "      URL <a href=\"" + OnlineHelpAddress() +
          "\" target=\"_blank\">最新のヘルプ（説明）</a><br><br>" + crlf;
  page += "      お問い合わせ：support@quorvex.example<br>" + crlf;
  page += "      ご意見・ご要望はメールでお寄せください</font>" + crlf;
  page += "    </td>" + crlf;
  page += "</tr>" + crlf;
  page += "</table>" + crlf;
  page += "</div>" + crlf;
  page += "</body>" + crlf;
  page += "</html>" + crlf;
  return page;
}

}  // namespace console
