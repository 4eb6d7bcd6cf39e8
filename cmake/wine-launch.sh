#!/usr/bin/env bash
# Runs one Windows program under Wine for ctest and the scripts. The test script starts one
# Xvfb and one persistent wineserver for the whole run (scripts/wine-session); when none runs,
# a private one is started for this call only.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../scripts/wine-env
source "$here/../scripts/wine-env"
own_session=0
if [ -z "${QX_WINE_SESSION:-}" ]; then
  wine_session_start >/dev/null
  own_session=1
fi
timeout --kill-after=10 "${QX_WINE_TIMEOUT:-600}" wine "$@"
rc=$?
[ $own_session = 1 ] && wine_session_stop
exit $rc
