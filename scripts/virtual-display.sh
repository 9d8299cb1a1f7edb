# Sourced by scripts that need a display: starts Xvfb on a free display
# number with software OpenGL and sets DISPLAY; stop_virtual_display ends it.
start_virtual_display() {
  local size=${1:-1280x800x24} n
  for n in $(seq 90 140); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    Xvfb ":$n" -screen 0 "$size" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        export SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null MESA_SHADER_CACHE_DISABLE=true
        return 0
      fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
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
