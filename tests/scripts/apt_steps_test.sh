#!/usr/bin/env bash
# Runs scripts/apt-steps against a fake apt-get and dpkg on the PATH: no network, no root, and
# the machine's real apt configuration is never used. The fake plays a mirror caught mid-sync:
# `update` fails like Debian's security archive did for its i386 index, and the first install
# fails as the mixed versions make it fail.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

mkdir -p "$work/bin" "$work/lists"
cat >"$work/bin/apt-get" <<'FAKE'
#!/usr/bin/env bash
# Fake apt-get: its behaviour comes from files in $FAKE_DIR.
echo "$*" >>"$FAKE_DIR/calls"
args=("$@")
sources=""
for ((i = 0; i < ${#args[@]}; i++)); do
  case "${args[$i]}" in
    -o) case "${args[$((i + 1))]}" in Dir::Etc::SourceList=*) sources=${args[$((i + 1))]#*=} ;; esac ;;
  esac
done
count() { local n; n=$(cat "$FAKE_DIR/$1" 2>/dev/null || echo 0); echo $((n + 1)) >"$FAKE_DIR/$1"; echo $((n + 1)); }
case " $* " in
  *" update "*)
    n=$(count updates)
    if [ "$n" -le "$(cat "$FAKE_DIR/update_failures")" ]; then
      echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]" >&2
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
      exit 100
    fi
    exit 0 ;;
  *" indextargets "*)
    fmt=""
    for ((i = 0; i < ${#args[@]}; i++)); do [ "${args[$i]}" = --format ] && fmt=${args[$((i + 1))]}; done
    while read -r uri rel comp arch file; do
      line=${fmt//'$(REPO_URI)'/$uri}; line=${line//'$(RELEASE)'/$rel}
      line=${line//'$(COMPONENT)'/$comp}; line=${line//'$(ARCHITECTURE)'/$arch}
      echo "${line//'$(FILENAME)'/$file}"
    done <"$FAKE_DIR/targets"
    exit 0 ;;
  *" install "*)
    n=$(count installs)
    # The set-up interrupted while apt works (the shell that runs apt-get is its parent).
    [ -e "$FAKE_DIR/terminate_on_install" ] && kill -TERM "$PPID"
    [ -n "$sources" ] && cp "$sources" "$FAKE_DIR/narrowed.list"
    if [ "$n" -le "$(cat "$FAKE_DIR/install_failures")" ]; then
      echo "Some packages could not be installed. This may mean that you have"
      echo "The following packages have unmet dependencies:"
      echo " wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
      echo " libgl1:i386 : Depends: libc6:i386 (>= 2.36) but 2.36-9+deb12u10 is to be installed"
      echo "E: Unable to correct problems, you have held broken packages." >&2
      exit 100
    fi
    exit 0 ;;
esac
exit 0
FAKE
printf '#!/bin/sh\ncase "$1" in --print-architecture) echo amd64 ;; --print-foreign-architectures) echo i386 ;; esac\n' \
  >"$work/bin/dpkg"
chmod +x "$work/bin/apt-get" "$work/bin/dpkg"

# The lists on disk after the failed update: main and updates for both architectures, the
# security archive only for amd64.
for f in main-amd64 main-i386 upd-amd64 upd-i386 sec-amd64; do : >"$work/lists/$f"; done
cat >"$work/targets" <<T
http://deb.example/debian/ bookworm main amd64 $work/lists/main-amd64
http://deb.example/debian/ bookworm main i386 $work/lists/main-i386
http://deb.example/debian/ bookworm-updates main amd64 $work/lists/upd-amd64
http://deb.example/debian/ bookworm-updates main i386 $work/lists/upd-i386
http://deb.example/debian-security/ bookworm-security main amd64 $work/lists/sec-amd64
http://deb.example/debian-security/ bookworm-security main i386 $work/lists/sec-i386
T

# Runs qx_apt_install in a fresh fake state under scripts/setup's options, beside an exit trap
# of the caller's own; output goes to $FAKE_DIR/out, the exit code to rc. Whatever the way out,
# no temporary folder may be left and the caller's trap must still run.
run_case() {
  local update_failures=$1 install_failures=$2
  shift 2
  export FAKE_DIR="$work/case"
  rm -rf "$FAKE_DIR"; mkdir -p "$FAKE_DIR/tmp"
  echo "$update_failures" >"$FAKE_DIR/update_failures"
  echo "$install_failures" >"$FAKE_DIR/install_failures"
  cp "$work/targets" "$FAKE_DIR/targets"
  [ -z "${TERMINATE_ON_INSTALL:-}" ] || : >"$FAKE_DIR/terminate_on_install"
  (
    set -euo pipefail
    export PATH="$work/bin:$PATH" QX_APT_PAUSE=0 TMPDIR="$FAKE_DIR/tmp"
    trap ': >"$FAKE_DIR/caller_trap_ran"' EXIT
    # shellcheck source=../../scripts/apt-steps
    source "$root/scripts/apt-steps"
    qx_apt_install "$@"
  ) >"$FAKE_DIR/out" 2>&1
  rc=$?
  check "installing '$*' leaves no temporary folder and keeps the caller's trap" \
    test -z "$(ls -A "$FAKE_DIR/tmp")" -a -e "$FAKE_DIR/caller_trap_ran"
}

check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else
    echo "FAILED: $what"; echo "--- output:"; cat "$FAKE_DIR/out"; echo "--- apt-get calls:"
    cat "$FAKE_DIR/calls" 2>/dev/null; failures=$((failures + 1))
  fi
}
calls() { grep -c -- " $1 \|^$1 " "$FAKE_DIR/calls" 2>/dev/null || true; }
said() { grep -qF -- "$1" "$FAKE_DIR/out"; }

# Every index downloads: one update, one install, nothing narrowed, nothing said.
run_case 0 0 wine32:i386 xvfb
check "a healthy mirror gets one update and one install" \
  test "$rc:$(calls update):$(calls install):$(calls indextargets)" = "0:1:1:0"
check "a healthy mirror leaves the sources alone" test ! -e "$FAKE_DIR/narrowed.list"
check "a healthy mirror says nothing" test ! -s "$FAKE_DIR/out"

# Nothing missing: apt is not run at all.
run_case 0 0
check "no packages, no apt-get" test "$rc" = 0 -a ! -e "$FAKE_DIR/calls"

# A passing hiccup: the second update works, the install goes as usual.
run_case 1 0 wine32:i386
check "an update that fails once is tried again and the install needs no narrowing" \
  test "$rc:$(calls update):$(calls install)" = "0:2:1"

# The security index stays broken and the install fails on mixed versions: three updates,
# the failed index named, then an install from the complete sources only, which works.
run_case 99 1 wine32:i386 xvfb
check "a broken index is retried three times, then named" \
  bash -c "test $(calls update) = 3 && grep -qF 'debian-security/dists/bookworm-security/main/binary-i386/Packages.xz' '$FAKE_DIR/out'"
check "the narrowed install works and the run succeeds" test "$rc:$(calls install)" = "0:2"
check "the narrowed list keeps the complete sources for both architectures" \
  test "$(cat "$FAKE_DIR/narrowed.list" 2>/dev/null)" = "$(printf '%s\n' \
    'deb [arch=amd64,i386] http://deb.example/debian/ bookworm main' \
    'deb [arch=amd64,i386] http://deb.example/debian/ bookworm-updates main')"
check "the narrowing is said" said "trying once more with only the sources"
check "the narrowed list lives outside /etc/apt" \
  bash -c "grep -q 'Dir::Etc::SourceList=/' '$FAKE_DIR/calls' && ! grep -q 'SourceList=/etc' '$FAKE_DIR/calls'"

# The narrowed install fails too: the run stops, naming the packages apt could not install.
run_case 99 2 wine32:i386 xvfb
check "a second failed install fails the run" test "$rc" != 0 -a "$(calls install)" = 2
check "the failure names the packages" said "could not install: libgl1:i386 wine32:i386"

# Interrupted during the install: the run ends with the signal and its lists are removed.
TERMINATE_ON_INSTALL=1 run_case 0 0 wine32:i386
check "an interrupted install ends the run" test "$rc" = 143

# The install fails although every source is complete: no narrowing, the packages named.
grep -v debian-security "$work/targets" >"$work/targets.complete"
mv "$work/targets.complete" "$work/targets"
run_case 0 1 nosuchpkg
check "with nothing to narrow the install is not repeated" test "$rc" != 0 -a "$(calls install)" = 1
check "and the packages are named" said "could not install: libgl1:i386 wine32:i386"

if [ "$failures" -gt 0 ]; then echo "$failures failed"; exit 1; fi
echo "all passed"
