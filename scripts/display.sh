# Sourced by the scripts that take pictures: an X server of their own for Wine's X11 driver.
# start_display starts Xvfb on the display $CW_DISPLAY names (":17", say) or, when it is unset, on a free
# display number the server picks itself, so that two users of the machine never share one; it exports
# DISPLAY. stop_display ends that server. The screen is large enough for a wizard at 200%; Wine's virtual
# desktop within it is as large as the prefix says.
start_display() {
  local number_file
  number_file=$(mktemp)
  # shellcheck disable=SC2086
  Xvfb ${CW_DISPLAY:-} -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  display_pid=$!
  for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    kill -0 "$display_pid" 2>/dev/null || { echo "Xvfb did not start on ${CW_DISPLAY:-a free display}" >&2; return 1; }
    sleep 0.1
  done
  [ -s "$number_file" ] || { echo "Xvfb did not answer" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$number_file")"
  rm -f "$number_file"
}

stop_display() {
  [ -n "${display_pid:-}" ] || return 0
  kill "$display_pid" 2>/dev/null || true
  wait "$display_pid" 2>/dev/null || true
  display_pid=
}
