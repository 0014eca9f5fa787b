#!/usr/bin/env bash
# The bash completion of tarvel, as bash calls it: each case sets the words typed so far, runs the
# function the script registers for tarvel, and compares what it offers.
# With the program, every command and option of its own help must be offered too.
#   check-completion.sh COMPLETION-SCRIPT [TARVEL]
set -uo pipefail
script=$(realpath "$1")
tarvel=${2:+$(realpath "$2")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir clase
touch a.gtf "Mi Programa.gtf" B.GTF f.src c.LIB d.bin e.json notas.txt clase/x.gtf

shopt -u extglob
# shellcheck source=/dev/null
source "$script" || { echo "FAIL: $script does not load in bash"; exit 1; }
function=$(complete -p tarvel 2>/dev/null | sed -n 's/.*-F \([^ ]*\) tarvel$/\1/p')
[ -n "$function" ] || { echo "FAIL: $script registers no completion function for tarvel"; exit 1; }

failures=0
# expect "WORDS TYPED" "OFFERED, ONE PER LINE, SORTED": the last word of the line is the one completed
# (a line ending in a blank completes an empty word).
expect() {
  local line=$1 want=$2 got
  # Bash breaks words at "=" too: "--lib=x" is "--lib" "=" "x".
  read -r -a COMP_WORDS <<<"${line//=/ = }"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$line COMP_POINT=${#line}
  COMPREPLY=()
  "$function" tarvel "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort -u)
  if [ "$got" != "$want" ]; then
    echo "FAIL: \"$line\""
    echo "  offered: $(tr '\n' ' ' <<<"$got")"
    echo "  wanted:  $(tr '\n' ' ' <<<"$want")"
    failures=$((failures + 1))
  fi
}
lines() { printf '%s\n' "$@" | sort -u; }

# The commands.
expect "tarvel b" "$(lines brick build)"
expect "tarvel " "$(lines describe resave tone lib build asm help-text brick sim edit grade --help --version)"
expect "tarvel --v" "--version"
expect "tarvel zz" ""
# Each command's options, and none of another's.
expect "tarvel build --" "$(lines --lib --source --image --json --help)"
expect "tarvel asm --a" "--append-end"
expect "tarvel lib --s" "--stamp"
expect "tarvel brick --s" "--simulated"
expect "tarvel sim --s" "$(lines --seconds --set)"
expect "tarvel resave --st" ""
# Files of the kind each place takes, and folders to look into.
expect "tarvel build " "$(lines a.gtf "Mi Programa.gtf" B.GTF clase)"
expect "tarvel describe --json M" "Mi Programa.gtf"
expect "tarvel build clase/" "clase/x.gtf"
expect "tarvel asm " "$(lines f.src clase)"
expect "tarvel lib " "$(lines c.LIB clase)"
expect "tarvel build a.gtf --lib " "$(lines c.LIB clase)"
expect "tarvel build a.gtf --lib=" "$(lines c.LIB clase)"
expect "tarvel build a.gtf --source " "$(lines f.src clase)"
expect "tarvel asm f.src --image " "$(lines d.bin clase)"
expect "tarvel sim " "$(lines a.gtf "Mi Programa.gtf" B.GTF d.bin clase)"
expect "tarvel sim a.gtf --world " "$(lines e.json clase)"
expect "tarvel edit a.gtf --out " "$(lines a.gtf "Mi Programa.gtf" B.GTF clase)"
# Only as many arguments as the command takes.
expect "tarvel resave a.gtf " "$(lines a.gtf "Mi Programa.gtf" B.GTF clase)"
expect "tarvel resave a.gtf b.gtf " ""
expect "tarvel build --lib c.LIB a.gtf " ""
expect "tarvel tone " ""
expect "tarvel help-text 1 " ""
expect "tarvel sim a.gtf --seconds " ""
# The brick's actions, and the image of "send".
expect "tarvel brick l" "$(lines leds light light-level)"
expect "tarvel brick --simulated " "$(lines identify run off send leds motors light beep light-level ir)"
expect "tarvel brick send " "$(lines d.bin clase)"
expect "tarvel brick --lib c.LIB send " "$(lines d.bin clase)"
expect "tarvel brick leds " ""
# The inputs of the simulated brick; the editor's operations after the program, "-" for a new one.
expect "tarvel sim a.gtf --set so" "$(lines sound= soundfreq=)"
expect "tarvel edit " "$(lines - a.gtf "Mi Programa.gtf" B.GTF clase)"
expect "tarvel edit - " "$(lines add insert replace modify delete space sub new)"
expect "tarvel edit a.gtf add 0 11,10,0,1,0,0 s" "$(lines space sub)"

# A challenge, then the programs of a class; the report files.
expect "tarvel grade " "$(lines e.json clase)"
expect "tarvel grade e.json " "$(lines a.gtf "Mi Programa.gtf" B.GTF clase)"
expect "tarvel grade e.json a.gtf --html " "$(lines clase)"
expect "tarvel grade --c" "--csv"
expect "tarvel grade --worlds " "clase"
expect "tarvel grade --jobs 2 e.json " "$(lines a.gtf "Mi Programa.gtf" B.GTF clase)"
expect "tarvel grade --lang " "$(lines en es)"
expect "tarvel grade --lang en e.json " "$(lines a.gtf "Mi Programa.gtf" B.GTF clase)"

# Nothing the program's help lists is left out: its commands, and each command's options.
offered() { # WORDS TYPED
  read -r -a COMP_WORDS <<<"$1"
  COMP_WORDS+=("${2-}")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  "$function" tarvel "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
  printf '%s\n' "${COMPREPLY[@]}"
}
if [ -n "$tarvel" ]; then
  commands=$("$tarvel" --help | sed -n '/^Subcommands:/,$s/^  \([a-z][a-z-]*\) .*/\1/p')
  [ -n "$commands" ] || { echo "FAIL: no commands read from tarvel --help"; failures=$((failures + 1)); }
  for command in $commands; do
    offered "tarvel" "" | grep -xF "$command" >/dev/null || {
      echo "FAIL: tarvel --help lists \"$command\", the completion does not offer it"
      failures=$((failures + 1))
    }
    for option in $("$tarvel" "$command" --help | grep -oE '^  (-[a-z],)?--[a-z-]+' | sed 's/.*--/--/'); do
      offered "tarvel $command" "--" | grep -xF -- "$option" >/dev/null || {
        echo "FAIL: tarvel $command --help lists $option, the completion does not offer it"
        failures=$((failures + 1))
      }
    done
  done
fi

# The user's own shell is left as it was.
shopt -q extglob && { echo "FAIL: completing turned extglob on for the user"; failures=$((failures + 1)); }

if [ "$failures" -gt 0 ]; then
  echo "$failures completion cases failed"
  exit 1
fi
echo "bash completion of tarvel: every case offered what it should"
