#!/usr/bin/env bash
# The web test server's certificate vouches for that server alone, and a Wine session that
# starts takes away a trust of it that a killed test left behind: test_certificate_test.sh BITS.
# Runs in the Wine session of the suite when there is one, else in one of its own.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
tls="$root/tests/tools/tls/localhost"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {
  local what=$1
  shift
  if "$@" >"$work/out" 2>&1; then echo "ok: $what"; else
    echo "FAILED: $what"; cat "$work/out"; failures=$((failures + 1))
  fi
}

# A server's certificate for localhost and 127.0.0.1 that cannot sign others.
openssl x509 -in "$tls.pem" -noout -ext basicConstraints,keyUsage,extendedKeyUsage,subjectAltName \
  2>&1 | sed 's/ *$//' >"$work/uses"
cat >"$work/server_uses" <<'USES'
X509v3 Basic Constraints: critical
    CA:FALSE
X509v3 Key Usage: critical
    Digital Signature, Key Encipherment
X509v3 Extended Key Usage:
    TLS Web Server Authentication
X509v3 Subject Alternative Name:
    DNS:localhost, IP Address:127.0.0.1
USES
check "the certificate is a server's for localhost and 127.0.0.1 only" \
  diff "$work/server_uses" "$work/uses"

bits=$1
[ "${QX_WINE_SESSION:-}" = "$bits" ] || unset WINEPREFIX WINELOADER QX_WINE_SESSION QX_XVFB_PID
export QX_WINE_BITS=$bits
# shellcheck source=../../scripts/wine-env
source "$root/scripts/wine-env"
if [ -z "${QX_WINE_SESSION:-}" ]; then
  wine_session_start >/dev/null
  trap 'wine_session_stop; rm -rf "$work"' EXIT
fi

# Planted as the system's certificate store writes it: the SHA-1 thumbprint and the certificate
# as properties under a key named by the thumbprint.
le32() { printf '%02x%02x%02x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24)); }
thumbprint=$(openssl x509 -in "$tls.pem" -noout -fingerprint -sha1 | sed 's/.*=//; s/://g')
der=$(openssl x509 -in "$tls.pem" -outform DER | od -An -v -tx1 | tr -d ' \n')
key="HKCU\\Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\$thumbprint"
wine_reg() { timeout 60 "$QX_WINE" reg "$@" </dev/null; }
blob="$(le32 3)$(le32 1)$(le32 20)$thumbprint$(le32 32)$(le32 1)$(le32 $((${#der} / 2)))$der"
wine_reg add "$key" /v Blob /t REG_BINARY /d "$blob" /f >/dev/null 2>&1
check "the planted trust is in the root store" wine_reg query "$key"
(unset QX_XVFB_PID && wine_session_start) >/dev/null 2>&1
check "a session that starts leaves no trust of it" \
  test "$(wine_reg query "$key" 2>&1 | grep -c Blob)" = 0

[ $failures = 0 ] && echo "all passed" || echo "$failures failed"
[ $failures = 0 ]
