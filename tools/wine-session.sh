# Sourced by the run and test scripts: a throwaway Wine prefix inside the build folder and a
# headless X server, both ended when the calling script exits. Expects WINE_BUILD to be set.
export WINEPREFIX="$WINE_BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml,winemenubuilder.exe=d'
# Under Wine, Install makes the launcher the Linux desktop's tribes:// handler: keep that in
# the build folder, never in the user's own desktop settings.
export XDG_DATA_HOME="$WINE_BUILD/xdg/data" XDG_CONFIG_HOME="$WINE_BUILD/xdg/config"

exec 3>"$WINE_BUILD/xvfb.display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
exec 3>&-
# Xvfb writes its display number once it accepts clients; a slow machine gets 20 s.
for _ in $(seq 200); do
  [[ -s "$WINE_BUILD/xvfb.display" ]] && break
  kill -0 "$XVFB_PID" 2>/dev/null || break
  sleep 0.1
done
XVFB_DISPLAY="$(cat "$WINE_BUILD/xvfb.display" 2>/dev/null || true)"
if [[ ! "$XVFB_DISPLAY" =~ ^[0-9]+$ ]]; then
  # Carrying on with DISPLAY=":" would only fail later, in every test, for a reason hard to see.
  echo "wine-session: Xvfb did not start (is the xvfb package installed?); stopping" >&2
  kill "$XVFB_PID" >/dev/null 2>&1 || true
  exit 1
fi
export DISPLAY=":$XVFB_DISPLAY"

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
