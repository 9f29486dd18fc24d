# Sourced by the run and test scripts: a throwaway Wine prefix inside the build folder and a
# headless X server, both ended when the calling script exits. Expects WINE_BUILD to be set.
export WINEPREFIX="$WINE_BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml,winemenubuilder.exe=d'

exec 3>"$WINE_BUILD/xvfb.display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 100); do
  [[ -s "$WINE_BUILD/xvfb.display" ]] && break
  sleep 0.1
done
export DISPLAY=":$(cat "$WINE_BUILD/xvfb.display")"

end_wine_session() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$XVFB_PID" >/dev/null 2>&1 || true
}
trap end_wine_session EXIT

# A persistent server: each later program start is then quick.
mkdir -p "$WINEPREFIX"
wineserver -p || true
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  wineboot -i >/dev/null 2>&1
fi
# Without a window manager Wine draws its own frames only when windows are unmanaged.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
