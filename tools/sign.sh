#!/usr/bin/env bash
# Signs one Windows program in place with Authenticode: tools/sign.sh FILE.
# tools/package.sh calls it for launcher.exe, and makensis for the uninstaller and the installer
# it makes. The certificate comes from the environment:
#   SIGN_PFX             the PKCS#12 file holding the certificate and its private key
#   SIGN_PASSWORD_FILE   a file whose first line is that file's password
#   SIGN_TIMESTAMP_URL   an RFC 3161 timestamp server (optional): with it the signature stays
#                        valid after the certificate expires
set -euo pipefail
file="$1"
signed="$file.signed"
timestamp=()
[[ -n "${SIGN_TIMESTAMP_URL:-}" ]] && timestamp=(-ts "$SIGN_TIMESTAMP_URL")

# The password is read from a file, never put on a command line that others can see.
# osslsigncode takes the whole file as the password, so it gets a private copy of the first
# line alone, read as openssl's own "file:" passwords are (up to the line feed).
password="$(mktemp)"
trap 'rm -f "$password"' EXIT
IFS= read -r first_line <"$SIGN_PASSWORD_FILE" || true
printf '%s' "$first_line" >"$password"
if ! output="$(osslsigncode sign -pkcs12 "$SIGN_PFX" -readpass "$password" -h sha256 \
    -n "Cindermoor Launcher" "${timestamp[@]}" -in "$file" -out "$signed" 2>&1)"; then
  rm -f "$signed"
  echo "sign.sh: cannot sign $(basename "$file") with $SIGN_PFX: is the password in" \
    "$SIGN_PASSWORD_FILE right, and the timestamp server (${SIGN_TIMESTAMP_URL:-none}) reachable?" >&2
  sed 's/^/  osslsigncode: /' <<<"$output" >&2
  exit 1
fi
mv "$signed" "$file"
