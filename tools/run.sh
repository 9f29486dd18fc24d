#!/usr/bin/env bash
# Runs Cindermoor Launcher under Wine with the stand-in voice client and game.
#   tools/run.sh                      opens the main window
#   tools/run.sh 'tribes://h:p/...'   serves that link and prints what the stand-ins got
#   tools/run.sh --language de [...]  the same with Windows' display language German (en, de,
#                                     fr, es, pl, ru, pt-BR); the screenshot's name says which
# Uses your X display when DISPLAY is set, else a headless one (screenshots go to build/demo).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"
LANGUAGE_TAG=""
if [[ "${1:-}" == "--language" ]]; then
  LANGUAGE_TAG="${2:?--language takes a tag such as de}"
  shift 2
  case "$LANGUAGE_TAG" in
    en) export LC_ALL=en_US.UTF-8 ;;
    pt-BR) export LC_ALL=pt_BR.UTF-8 ;;
    *) export LC_ALL="${LANGUAGE_TAG}_${LANGUAGE_TAG^^}.UTF-8" ;;
  esac
fi
LINK="${1:-}"

BUILD_TARGETS=(launcher roger tribes)
source "$ROOT/tools/build-windows.sh"

DEMO="$BUILD/demo"
mkdir -p "$DEMO"
HEADLESS=1
[[ -n "${DISPLAY:-}" ]] && HEADLESS=0
if ((HEADLESS)); then
  WINE_BUILD="$DEMO"
  source "$ROOT/tools/wine-session.sh"
else
  export WINEPREFIX="$DEMO/wineprefix" WINEDEBUG=-all
  export WINEDLLOVERRIDES='mscoree,mshtml,winemenubuilder.exe=d'
  [[ -f "$WINEPREFIX/system.reg" ]] || wineboot -i >/dev/null 2>&1
fi

# The stand-ins play the installed voice client and game.
DRIVE_C="$WINEPREFIX/drive_c"
mkdir -p "$DRIVE_C/Games/Tribes" "$DRIVE_C/Program Files/RogerWilco" "$DRIVE_C/Cindermoor"
cp "$BUILD/x86_64/bin/tribes.exe" "$DRIVE_C/Games/Tribes/"
cp "$BUILD/x86_64/bin/roger.exe" "$DRIVE_C/Program Files/RogerWilco/"
cp "$BUILD/x86_64/bin/launcher.exe" "$DRIVE_C/Cindermoor/"
wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\roger.exe' \
  /v Path /t REG_SZ /d 'C:\Program Files\RogerWilco' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Cindermoor\Launcher\Program Settings' \
  /v TribesPath /t REG_SZ /d 'C:\Games\Tribes' /f >/dev/null 2>&1
# The language follows Windows' display language, as a player's does.
wine reg delete 'HKCU\Software\Cindermoor\Launcher\Program Settings' /v Language /f \
  >/dev/null 2>&1 || true

LOG="$DEMO/stand-ins.log"
rm -f "$LOG"
export CINDERMOOR_STANDIN_LOG="$(winepath -w "$LOG")"
# Quoted, so a link holding blanks or '*' arrives as it was typed; no link, no argument.
wine 'C:\Cindermoor\launcher.exe' ${LINK:+"$LINK"} &
LAUNCHER=$!

screenshot() {
  local name="$1${LANGUAGE_TAG:+-$LANGUAGE_TAG}"
  ((HEADLESS)) && import -window root "$DEMO/$name.png" && echo "Screenshot: $DEMO/$name.png"
}

if [[ -n "$LINK" ]]; then
  for _ in $(seq 200); do
    grep -q '^tribes.exe' "$LOG" 2>/dev/null && break
    sleep 0.1
  done
  sleep 1  # the voice client may log just after the game
  echo "The stand-ins were started with (program, folder, show command, command-line tail):"
  cat "$LOG" 2>/dev/null || echo "(nothing was started)"
  screenshot served-link || true
  if ((HEADLESS)); then
    kill "$LAUNCHER" 2>/dev/null || true
  else
    echo "Click \"Click here to quit.\" to end the launcher."
  fi
else
  sleep 3
  screenshot main-window || true
  ((HEADLESS)) && kill "$LAUNCHER" 2>/dev/null || true
fi
wait "$LAUNCHER" 2>/dev/null || true
