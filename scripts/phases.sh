# Sourced by the set-up, build and test scripts: each phase of their work is one line on the terminal, with a
# count where the phase is long, and its whole output goes to a log under build/logs/. On a terminal the count
# is rewritten in place; elsewhere (a CI log) a line with the count comes at most every 30 seconds.
shopt -s lastpipe
phases_repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
log_dir=${CW_BUILD_ROOT:-$phases_repo_root/build}/logs
mkdir -p "$log_dir"

# A log's path as the user can type it from the repository.
shown_path() { echo "${1#"$phases_repo_root"/}"; }

duration() {
  local seconds=$1
  if [ "$seconds" -lt 60 ]; then echo "$seconds s"; else echo "$((seconds / 60)) min $((seconds % 60)) s"; fi
}

# The count a line of output tells, by the kind of command: ninja ("[118/269] Building ..."), ctest
# ("12/78 Test #5: ... Passed"; failures are counted as well) or apt (its status lines on -o APT::Status-Fd=1).
# Sets count when the line tells one; phase_steps counts ninja's and ctest's steps.
read_count() {
  local kind=$1 line=$2
  case $kind in
    ninja)
      if [[ $line =~ ^\[([0-9]+)/([0-9]+)\]\  ]] && [ "${BASH_REMATCH[1]}" -gt 0 ]; then
        phase_steps=$((phase_steps + 1)); count="[${BASH_REMATCH[1]}/${BASH_REMATCH[2]}]"
      fi
      [[ $line == *warning:* ]] && phase_warnings=$((phase_warnings + 1))
      ;;
    ctest)
      if [[ $line =~ ^\ *([0-9]+)/([0-9]+)\ +Test\ +#[0-9]+: ]]; then
        phase_steps=$((phase_steps + 1))
        [[ $line == *\ Passed\ * ]] || phase_failures=$((phase_failures + 1))
        count="[${BASH_REMATCH[1]}/${BASH_REMATCH[2]}$([ "$phase_failures" -gt 0 ] && echo ", $phase_failures failed")]"
      fi
      ;;
    apt)
      # dlstatus:<file>:<percent>:... and pmstatus:<package>[:<arch>]:<percent>:...
      if [[ $line =~ ^(dl|pm)status:[^:]+(:[^:0-9][^:]*)?:([0-9]+)(\.[0-9]+)?: ]]; then
        count="[$([ "${BASH_REMATCH[1]}" = dl ] && echo "downloading, ")${BASH_REMATCH[3]}%]"
      fi
      ;;
  esac
  return 0
}

# run_phase LABEL LOG KIND COMMAND...: runs COMMAND with its output appended to LOG and shows LABEL with the
# count the output tells (KIND: ninja, ctest, apt or none). A ninja phase shows itself only once ninja has a
# step to run: phase_steps is 0 afterwards when there was nothing to build. On failure it names the log and
# shows its last lines (a ctest phase shows ctest's summary); returns the command's exit status.
run_phase() {
  local label=$1 log=$2 kind=$3
  shift 3
  local started=$SECONDS last_shown=$SECONDS shown_count="" count="" line status=0 terminal=""
  phase_steps=0 phase_warnings=0 phase_failures=0
  [ -t 1 ] && terminal=1
  printf '\n== %s (%s)\n' "$label" "$(date '+%F %T')" >>"$log"
  if [ "$kind" != ninja ]; then
    if [ -n "$terminal" ]; then printf '%s' "$label"; else echo "$label"; fi
  fi
  "$@" </dev/null 2>&1 | while IFS= read -r line; do
    printf '%s\n' "$line" >>"$log"
    read_count "$kind" "$line"
    [ "$count" = "$shown_count" ] && continue
    if [ -n "$terminal" ]; then
      printf '\r\033[K%s %s' "$label" "$count"
      shown_count=$count
    elif [ -z "$shown_count" ] && [ "$kind" = ninja ] || [ $((SECONDS - last_shown)) -ge 30 ]; then
      echo "$label $count"
      shown_count=$count last_shown=$SECONDS
    fi
  done || status=${PIPESTATUS[0]}
  if [ "$kind" = ninja ] && [ "$phase_steps" -eq 0 ] && [ "$status" -eq 0 ]; then return 0; fi
  [ -n "$terminal" ] && printf '\r\033[K'
  local took
  took=$(duration $((SECONDS - started)))
  if [ "$kind" = ctest ] && grep -q 'tests passed, ' "$log"; then
    echo "$label $count: done in $took; every test's output is in $(shown_path "$log")"
    echo
    sed -n '/tests passed, /h; /tests passed, /!H; ${x;p}' "$log"
    return "$status"
  fi
  if [ "$status" -ne 0 ]; then
    echo "$label${count:+ $count}: failed; its whole output is in $(shown_path "$log"), which ends:"
    tail -n 30 "$log" | sed 's/^/  /'
    return "$status"
  fi
  [ "$kind" != apt ] || count=""
  local done_line="$label${count:+ $count}: done in $took"
  [ "$phase_warnings" -gt 0 ] && done_line+=" ($phase_warnings compiler warnings in $(shown_path "$log"))"
  echo "$done_line"
}
