#!/usr/bin/env bash
# Builds the Windows program for both machine types in Release and writes what players download
# into build/dist/: an installer and a portable zip per machine type, and SHA256SUMS over them.
#   tools/package.sh            installs what it needs, builds, packages
#   tools/package.sh --reuse    packages the Release builds already in build/x86_64 and
#                               build/i686 (the test run has just built them)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"
DIST="$BUILD/dist"
REUSE=0
[[ "${1:-}" == "--reuse" ]] && REUSE=1

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

rm -rf "$DIST"
mkdir -p "$DIST"
STAGE="$(mktemp -d)"
trap 'rm -rf "$STAGE"' EXIT
# Players open the read-me with Notepad: Windows line ends.
sed 's/$/\r/' "$ROOT/installer/README.txt" >"$STAGE/README.txt"

files=()
for machine in "${MACHINES[@]}"; do
  read -r tag arch <<<"$machine"
  base="CindermoorLauncher-$VERSION-$tag"
  makensis -V2 -DVERSION="$VERSION" -DARCH="$tag" \
    -DPROGRAM="$BUILD/$arch/bin/launcher.exe" -DICON="$BUILD/$arch/generated/launcher.ico" \
    -DOUTFILE="$DIST/$base-setup.exe" "$ROOT/installer/launcher.nsi"
  cp "$BUILD/$arch/bin/launcher.exe" "$STAGE/launcher.exe"
  (cd "$STAGE" && zip -q -X "$DIST/$base.zip" launcher.exe README.txt)
  files+=("$base-setup.exe" "$base.zip")
done
(cd "$DIST" && sha256sum "${files[@]}" >SHA256SUMS)
echo "Packages of version $VERSION in $DIST:"
(cd "$DIST" && ls -l "${files[@]}" SHA256SUMS)
