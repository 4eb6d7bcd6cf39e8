// The main window, the splash and the news window of one console, with the seams recorded
// (ConfigTest), the web server pointed at the local test server, and the files that server
// hands out written into its folder by each test.
#pragma once

#include <memory>
#include <string>

#include "console/News1.h"
#include "console/Splash1.h"
#include "console/web_fetch.h"
#include "tests/windows/config/config_fixture.h"
#include "tests/windows/console/web_test_site.h"

// A host path as Wine sees it, through its drive Z:.
std::string WinePath(const std::string& hostPath);

class WebCheckTest : public ConfigTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The server answers a GET of path (relative to its root) with these bytes from now on.
  void Serve(const std::string& path, const std::string& bytes);
  std::string Url(const std::string& path) const { return root_ + path; }
  // The server's root as the console sees it.
  const std::string& Root() const { return root_; }
  // As if no server were running.
  void Unreachable();

  // Runs a timer's tick as the window does: an escaping error shows the exception box.
  static void Tick(ui::Form& form, const ui::Timer& timer);

  std::unique_ptr<TSplash> splash;
  std::unique_ptr<Tnews> newsWindow;

 private:
  std::string root_;
  std::string folder_;  // the server's folder, ending in "\"
  std::unique_ptr<WebSiteOverride> site_;
};
