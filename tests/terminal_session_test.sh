#!/usr/bin/env bash
# The program for real in a terminal (tmux): banner and prompt with their
# colours, F1's help lines, ESC then S ending with exit code 0, a kill
# ending with 255, and the terminal restored each time.
set -euo pipefail
program="$1"
sample="$2"
command -v tmux >/dev/null || { echo "tmux is not installed"; exit 1; }
sock="pavodin-test-$$"
tm() { tmux -L "$sock" "$@"; }
trap 'tm kill-server 2>/dev/null || true' EXIT
work=$(mktemp -d)
export PAVODIN_CONFIG_DIR="$work"   # defaults only
export PAVODIN_DISPLAY=terminal     # even when a window system is there
tm new-session -d -x 100 -y 30 "bash --norc --noprofile"
tm send-keys "stty -g > $work/stty.before; '$program' '$sample'; code=\$?; stty -g > $work/stty.after; echo EXIT=\$code > $work/exit" Enter

wait_for() {  # text, seconds
  for _ in $(seq 1 $(( $2 * 10 ))); do
    tm capture-pane -p | grep -qF -- "$1" && return 0
    sleep 0.1
  done
  echo "not on screen: $1"; tm capture-pane -p; exit 1
}
wait_for "Qual sua opção?" 10
tm capture-pane -p -e > "$work/colours"
grep -qF $'\e[38;2;255;255;255m\e[48;2;0;0;255mPavodin - Gerador e impressor - QUIRA - v. 1.0' "$work/colours" \
  || { echo "banner not white on blue"; cat -v "$work/colours" | head -3; exit 1; }

tm send-keys F1
wait_for "N    Editar formatação inicial" 5
wait_for "ESC  Terminar programa" 5
tm send-keys Escape
wait_for "Deseja sair deste programa?" 5
tm send-keys S
for _ in $(seq 1 50); do [ -s "$work/exit" ] && break; sleep 0.1; done
grep -qx "EXIT=0" "$work/exit" || { echo "exit: $(cat "$work/exit" 2>/dev/null)"; exit 1; }
cmp -s "$work/stty.before" "$work/stty.after" || { echo "terminal not restored"; exit 1; }

# Ended from outside: exit code 255, terminal restored.
rm -f "$work/exit"
tm send-keys "bash -c 'echo \$\$ > $work/pid; exec \"$program\" \"$sample\"'; code=\$?; stty -g > $work/stty.after; echo EXIT=\$code > $work/exit" Enter
wait_for "Qual sua opção?" 10
kill -TERM "$(cat "$work/pid")"
for _ in $(seq 1 50); do [ -s "$work/exit" ] && break; sleep 0.1; done
grep -qx "EXIT=255" "$work/exit" || { echo "kill exit: $(cat "$work/exit" 2>/dev/null)"; exit 1; }
cmp -s "$work/stty.before" "$work/stty.after" || { echo "terminal not restored after kill"; exit 1; }
rm -rf "$work"
echo "terminal session ok"
