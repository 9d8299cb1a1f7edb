# Sourced by scripts that need a display: starts Xvfb with software OpenGL on
# a display number it picks itself (so that several runs at once never
# clash) and sets DISPLAY; stop_virtual_display ends it. -noreset keeps the
# server from resetting when its last client leaves, which would refuse a
# connection arriving at that moment.
start_virtual_display() {
  local size=${1:-1280x800x24} numfile n
  numfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp -noreset 3>"$numfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 200); do
    n=$(head -n 1 "$numfile" 2>/dev/null)
    if [[ -n "$n" ]] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
      rm -f "$numfile"
      export DISPLAY=":$n"
      export SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null MESA_SHADER_CACHE_DISABLE=true
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$numfile"
  kill "$XVFB_PID" 2>/dev/null || true
  echo "could not start a virtual display" >&2
  return 1
}

stop_virtual_display() {
  if [[ -n "${XVFB_PID:-}" ]]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}
