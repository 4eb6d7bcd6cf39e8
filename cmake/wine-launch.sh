#!/usr/bin/env bash
# Runs one Windows program under Wine for ctest and the scripts: wine-launch.sh 32|64 prog args.
# The test script starts one Xvfb and one persistent wineserver for the whole run
# (scripts/wine-env); when none runs for this build, a private one is started for this call.
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bits="$1"
shift
# A session of the other build says nothing about this one's prefix.
if [ "${QX_WINE_SESSION:-}" != "$bits" ]; then
  unset WINEPREFIX WINELOADER QX_WINE_SESSION QX_XVFB_PID
fi
export QX_WINE_BITS="$bits"
# shellcheck source=../scripts/wine-env
source "$here/../scripts/wine-env"
own_session=0
if [ -z "${QX_WINE_SESSION:-}" ]; then
  wine_session_start >/dev/null
  own_session=1
fi
timeout --kill-after=10 "${QX_WINE_TIMEOUT:-600}" "$QX_WINE" "$@"
rc=$?
[ $own_session = 1 ] && wine_session_stop
exit $rc
