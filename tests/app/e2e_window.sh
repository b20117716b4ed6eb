#!/usr/bin/env bash
# End to end: the real executable in an X server, driven like a person
# would. Usage: e2e_window.sh path/to/greetcard   (needs DISPLAY; ctest runs
# it under xvfb-run). Waits on conditions with timeouts, never on bare sleeps.
set -euo pipefail

exe=$(readlink -f "$1")
work=$(mktemp -d)
pid=""
cleanup() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home
mkdir -p "$HOME"

fail() { echo "FAIL: $*" >&2; exit 1; }
# wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s.
wait_until() {
  local limit=$(( $1 * 10 )); shift
  for ((k = 0; k < limit; ++k)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The visible prompt window, if any (the application's title names it).
prompt_id() { xdotool search --onlyvisible --name '^greetcard$' 2>/dev/null | head -n1; }
prompt_open() { [[ -n $(prompt_id) ]]; }
prompt_other_than() { local p; p=$(prompt_id); [[ -n $p && $p != "$1" ]]; }
prompt_closed() { ! prompt_open; }

shot() { import -window root "$1"; }
# crop SRC W H X Y DST, in window coordinates.
crop() { convert "$1" -crop "$2x$3+$((wx + $4))+$((wy + $5))" +repage "$6"; }
# Number of differing pixels; 0 means identical.
differ() { compare -metric AE "$1" "$2" null: 2>&1 >/dev/null | cut -d' ' -f1 || true; }
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1 mousemove $((wx + 750)) $((wy + 655)); }
type_name() { xdotool type --delay 15 -- "$1"; xdotool key Return; }

save_looks_enabled() {
  shot "$work/now.png"
  crop "$work/now.png" 113 17 616 600 "$work/save_now.png"
  [[ $(differ "$work/save_now.png" "$work/save_disabled.png") != 0 ]]
}
running() { kill -0 "$pid" 2>/dev/null; }

"$exe" & pid=$!

wait_until 30 prompt_open || fail "the name prompt did not open"
main=$(xdotool search --sync --onlyvisible --name '^Form1$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$main")"
wx=$X wy=$Y
[[ $WIDTH -ge 764 && $HEIGHT -ge 665 ]] || fail "window ${WIDTH}x$HEIGHT too small"
shot "$work/start.png"
crop "$work/start.png" 113 17 616 600 "$work/save_disabled.png"

# A rejected name: the prompt opens again.
first=$(prompt_id)
type_name "Ana"
wait_until 10 prompt_other_than "$first" || fail "no new prompt after a rejected name"

# A valid name: the picture is built, then the buttons come back.
type_name "ana"
wait_until 10 prompt_closed || fail "prompt stayed open after a valid name"
wait_until 120 save_looks_enabled || fail "the picture never finished"

# Save: the file holds exactly what Picture1 showed when it was clicked.
shot "$work/first.png"
crop "$work/first.png" 700 525 32 24 "$work/picture_first.png"
click 672 608
saved() { [[ -n $(find "$HOME/wimgx" -maxdepth 1 -name '*.bmp' 2>/dev/null) ]]; }
wait_until 20 saved || fail "no file saved"
mapfile -t files < <(find "$HOME/wimgx" -mindepth 1)
[[ ${#files[@]} -eq 1 && ${files[0]} == *.bmp ]] || fail "unexpected files: ${files[*]}"
wait_until 10 save_looks_enabled || fail "save did not finish"
[[ $(differ "${files[0]}" "$work/picture_first.png") == 0 ]] || fail "saved file differs from the window"
[[ $(identify -format '%wx%h' "${files[0]}") == 700x525 ]] || fail "saved file has the wrong size"

# Repeat with the same name: the same picture.
click 692 584
wait_until 10 prompt_open || fail "repeat did not ask for a name"
type_name "ana"
wait_until 10 prompt_closed || fail "prompt stayed open"
wait_until 120 save_looks_enabled || fail "the repeated picture never finished"
shot "$work/second.png"
crop "$work/second.png" 700 525 32 24 "$work/picture_second.png"
[[ $(differ "$work/picture_first.png" "$work/picture_second.png") == 0 ]] || fail "repeat gave another picture"

# Exit while a picture is being built: the program ends at once, status 0.
click 692 584
wait_until 10 prompt_open || fail "repeat did not ask for a name"
type_name "exit during the picture"
wait_until 10 prompt_closed || fail "prompt stayed open"
click 712 632
wait_until 5 eval '! running' || fail "exit did not end the program"
status=0
wait "$pid" || status=$?
pid=""
[[ $status -eq 0 ]] || fail "exit status $status"
echo "e2e window: ok"
