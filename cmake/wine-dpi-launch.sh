#!/usr/bin/env bash
# Runs one Windows test program under Wine on a display of another DPI:
#   wine-dpi-launch.sh BITS DPI PREFIX PROGRAM [ARGS...]
# The prefix is the test's own (the shared one stays at 96 DPI for every other test) and gets
# LogPixels = DPI before the program starts; the program finds the DPI in QX_EXPECT_DPI. The
# session is the prefix's own too: its wineserver and, where the caller's display is our Xvfb,
# an Xvfb of its own set up the same way.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bits="$1" dpi="$2" prefix="$3"
shift 3
export QX_WINE_BITS="$bits" WINEPREFIX="$prefix"
unset QX_WINE_SESSION WINELOADER
# shellcheck source=../scripts/wine-env
source "$here/../scripts/wine-env"
wine_session_start >/dev/null
timeout 60 "${QX_WINE:-wine}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
  /d "$dpi" /f >/dev/null 2>&1 </dev/null
QX_EXPECT_DPI="$dpi" timeout --kill-after=10 "${QX_WINE_TIMEOUT:-600}" "${QX_WINE:-wine}" "$@"
rc=$?
wine_session_stop
exit $rc
