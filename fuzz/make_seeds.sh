#!/usr/bin/env bash
# Writes the seed corpora from files the program itself writes. Run after a
# build; the seeds are small and committed, so this is only needed when a
# calculator or the file format changes.
#   fuzz/make_seeds.sh [path/to/ondarel-calc]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
calc=${1:-$here/../build/src/ondarel-calc}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Worked inputs of each built calculator: its place in the catalogue,
# extension, then name=value pairs.
examples=(
  "0 dip input1=100 input2=0.01"
  "0 dip input1=1.5 input2=300"
  "8 abd input2=10 input3=0.25"
  "9 aef input2=10 input3=0.25"
  "10 ahw Numero=10 Espaco=0.25"
  "11 aph imput2=10 imput3=0.25 imput4=30"
  "12 apl input1=5 input2=5 input3=0.5 input4=0.5 input5=30 input6=45"
  "1 lin input1=300 input2=0.5 input3=0.001 input4=57000000"
  "2 aec input1=300 input2=0.1 input3=0.001 input4=57600000 input5=2"
  "3 mag input1=300 input2=50 input3=13 input4=1"
  "4 mng input1=300 input2=1.76 input3=12.5 input4=0.05 input5=0.01"
  "13 aru input1=2 input2=3"
  "16 act input1=1.536"
  "19 mar Freq=10 constdiel=2.2 Tangente=0.0009 altura=0.1588 VSWR=2 NumHoz=4 NumVer=4 EspHoz=1.5 EspVer=1.5"
  "20 mac Freq=10 constdiel=2.2 Tangente=0.0009 altura=0.1588 VSWR=2 NumHoz=4 NumVer=4 EspHoz=1.5 EspVer=1.5"
  "21 may Freq=10 Ganho=12 constdiel=2.2 altura=0.1588 Largura=0.1"
  "22 mal Freq=2 fator=0.9 espaco=0.16 constdiel=2.2 LBanda=2 altura=0.1588 Dipolo=0.2"
  "23 ctm imput1=100 imput2=73 imput3=42.5 imput4=0.004 imput5=0.002 imput6=0.025 imput7=0.05"
  "26 acl imput1=100 imput2=73 imput3=42.5 imput4=50"
)

# project_open: one byte choosing the calculator (its place in the catalogue)
# followed by the file.
mkdir -p "$here/corpus/project_open" "$here/corpus/cli_args" "$here/corpus/number_text" "$here/corpus/real48"
for example in "${examples[@]}"; do
  read -r index ext assignments <<<"$example"
  # shellcheck disable=SC2086
  "$calc" save "$tmp/p.$ext" $assignments >/dev/null
  name=$(echo "$ext $assignments" | tr ' =' '_-')
  selector=$(printf '\\x%02x' "$index")
  { printf "$selector"; cat "$tmp/p.$ext"; } >"$here/corpus/project_open/$name"
  # A short file of the same calculator: the refusal path.
  { printf "$selector"; head -c 5 "$tmp/p.$ext"; } >"$here/corpus/project_open/short_$ext"
  # real48: each stored value's six bytes.
  split -b 6 -d "$tmp/p.$ext" "$here/corpus/real48/${ext}_"
  # cli_args: the same commands, one argument a line.
  # shellcheck disable=SC2086
  printf '%s\n' run $ext $assignments >"$here/corpus/cli_args/run_$name"
  # shellcheck disable=SC2086
  printf '%s\n' --json run $ext $assignments >"$here/corpus/cli_args/json_$name"
  printf '%s\n' pattern $ext $assignments >"$here/corpus/cli_args/pattern_$name"
done
printf '%s\n' open p.dip >"$here/corpus/cli_args/open"
printf '%s\n' list >"$here/corpus/cli_args/list"
printf '%s\n' save p.dip input1=100 input2=0.0125 >"$here/corpus/cli_args/save"

# number_text: texts of the field grammar and its corners.
i=0
for t in 100 0.01 0.0125 -0.0005 1e39 1.5E20 +7. .5 " 3 " 1e-4932 999999999999999999.9 1x 1,5 - 1e; do
  printf '%s' "$t" >"$here/corpus/number_text/t$i"
  i=$((i + 1))
done
