#!/usr/bin/env bash
# Builds the Windows program for both machine types in Release and writes what players download
# into build/dist/: an installer and a portable zip per machine type, and SHA256SUMS over them.
#   tools/package.sh            installs what it needs, builds, packages
#   tools/package.sh --reuse    packages the Release builds already in build/x86_64 and
#                               build/i686 (the test run has just built them)
# The same commit gives the same bytes wherever and whenever it is packaged: every time stamp
# is the commit's (SOURCE_DATE_EPOCH overrides it). With SIGN_PFX and SIGN_PASSWORD_FILE (and
# SIGN_TIMESTAMP_URL, optional; see tools/sign.sh) launcher.exe, the uninstaller and the
# installers are signed with Authenticode. DIST_DIR puts the downloads elsewhere.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Absolute: makensis reads relative paths from the script's folder.
BUILD="$(realpath -m "${BUILD_DIR:-$ROOT/build}")"
DIST="$(realpath -m "${DIST_DIR:-$BUILD/dist}")"
REUSE=0
[[ "${1:-}" == "--reuse" ]] && REUSE=1

if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
  SOURCE_DATE_EPOCH="$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null)" ||
    { echo "package.sh: not a git checkout: set SOURCE_DATE_EPOCH to the release's time" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH
SIGN=0
if [[ -n "${SIGN_PFX:-}${SIGN_PASSWORD_FILE:-}" ]]; then
  [[ -f "${SIGN_PFX:-}" && -f "${SIGN_PASSWORD_FILE:-}" ]] ||
    { echo "package.sh: signing needs both SIGN_PFX and SIGN_PASSWORD_FILE naming files" >&2; exit 1; }
  SIGN_PFX="$(realpath "$SIGN_PFX")" SIGN_PASSWORD_FILE="$(realpath "$SIGN_PASSWORD_FILE")"
  export SIGN_PFX SIGN_PASSWORD_FILE SIGN_TIMESTAMP_URL="${SIGN_TIMESTAMP_URL:-}"
  SIGN=1
fi

bash "$ROOT/tools/install-deps.sh"

# Machine type in the file names, build folder, makensis target.
MACHINES=("x64 x86_64" "x86 i686")

for machine in "${MACHINES[@]}"; do
  read -r _ arch <<<"$machine"
  if ((REUSE)); then
    grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$BUILD/$arch/CMakeCache.txt" ||
      { echo "package.sh: $BUILD/$arch is not a Release build" >&2; exit 1; }
  else
    cmake -S "$ROOT" -B "$BUILD/$arch" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" >/dev/null
    cmake --build "$BUILD/$arch" --target launcher >/dev/null
  fi
done

# CMake writes the project's version into every build; both must agree.
VERSION="$(cat "$BUILD/x86_64/version.txt")"
if [[ "$(cat "$BUILD/i686/version.txt")" != "$VERSION" ]]; then
  echo "package.sh: build/x86_64 and build/i686 disagree on the version" >&2
  exit 1
fi

# Written beside the downloads' folder and put in its place only when complete, so a failure
# (a signature refused, say) leaves no download at all rather than a mix.
rm -rf "$DIST" "$DIST.partial"
mkdir -p "$DIST.partial"
STAGE="$(mktemp -d)"
trap 'rm -rf "$STAGE" "$DIST.partial"' EXIT
# Players open the read-me with Notepad: Windows line ends.
sed 's/$/\r/' "$ROOT/installer/README.txt" >"$STAGE/README.txt"
python3 "$ROOT/tools/make_icon.py" --wizard "$STAGE/wizard.bmp"
python3 "$ROOT/tools/make_texts.py" --source "$ROOT/src/text/languages" --nsis "$STAGE/texts.nsh"
sign_options=()
((SIGN)) && sign_options=(-DSIGN_COMMAND="\"$ROOT/tools/sign.sh\"")

# The installers keep the time of each file they install and the zips the time of each entry;
# zip writes local time, so it runs in UTC.
stamp() {  # files: the commit's time, and the same permissions whatever the umask
  chmod 644 "$@"
  touch -d "@$SOURCE_DATE_EPOCH" "$@"
}
files=()
for machine in "${MACHINES[@]}"; do
  read -r tag arch <<<"$machine"
  base="CindermoorLauncher-$VERSION-$tag"
  cp "$BUILD/$arch/bin/launcher.exe" "$STAGE/launcher.exe"
  ((SIGN)) && bash "$ROOT/tools/sign.sh" "$STAGE/launcher.exe"
  stamp "$STAGE/launcher.exe" "$STAGE/README.txt" "$STAGE/wizard.bmp"
  makensis -V2 -DVERSION="$VERSION" -DARCH="$tag" -DPROGRAM="$STAGE/launcher.exe" \
    -DICON="$BUILD/$arch/generated/launcher.ico" -DWIZARD_PICTURE="$STAGE/wizard.bmp" -DTEXTS="$STAGE/texts.nsh" \
    "${sign_options[@]}" -DOUTFILE="$DIST.partial/$base-setup.exe" "$ROOT/installer/launcher.nsi"
  (cd "$STAGE" && TZ=UTC zip -q -X -D "$DIST.partial/$base.zip" launcher.exe README.txt)
  files+=("$base-setup.exe" "$base.zip")
done
(cd "$DIST.partial" && sha256sum "${files[@]}" >SHA256SUMS)
mv "$DIST.partial" "$DIST"
echo "Packages of version $VERSION in $DIST$( ((SIGN)) && echo ", signed"):"
(cd "$DIST" && ls -l "${files[@]}" SHA256SUMS)
echo "SHA256SUMS:"
cat "$DIST/SHA256SUMS"
