#!/usr/bin/env bash
# Throughput and memory of greetcard-render batches.
#
#   bench/batch_bench.sh [path/to/greetcard-render] [runs]
#
# Picks 40 names whose pictures cover all 18 brush modes, renders them with
# -j 1 and -j 2 (best of `runs` wall times, default 3), then compares the
# peak resident memory of a 10-name and a 1,000-name batch. Prints a
# Markdown table.
set -euo pipefail
bin=${1:-"$(dirname "$0")/../build/bin/greetcard-render"}
runs=${2:-3}
work=$(mktemp -d /tmp/greetcard-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

letters=(a b c d e f g h i j k l m n o p q r s t u v w x y z)
# Distinct names a, b, ..., z, aa, ab, ...: as many as asked, always the same.
make_names() {
  local count=$1 k name v
  for ((k = 1; k <= count; k++)); do
    name="" v=$k
    while ((v > 0)); do name=${letters[(v - 1) % 26]}$name; v=$(((v - 1) / 26)); done
    echo "$name"
  done
}

# 40 names of different seeds (a seed is fixed by the length and the sum of
# the letters) covering every brush mode: the first name found for each
# mode, then more names in list order.
declare -A modes=() seeds=()
covering=() rest=()
while IFS= read -r name; do
  info=$("$bin" --info "$name")
  seed=$(sed -E 's/.*"seed": ([0-9]+).*/\1/' <<<"$info")
  nac=$(sed -E 's/.*"nac": ([0-9]+).*/\1/' <<<"$info")
  [[ -n ${seeds[$seed]:-} ]] && continue
  seeds[$seed]=1
  if [[ -z ${modes[$nac]:-} ]]; then modes[$nac]=1 covering+=("$name"); else rest+=("$name"); fi
  ((${#modes[@]} == 18 && ${#covering[@]} + ${#rest[@]} >= 40)) && break
done < <(make_names 18278)
if ((${#modes[@]} < 18)); then
  echo "only ${#modes[@]} of 18 brush modes found" >&2
  exit 1
fi
printf '%s\n' "${covering[@]}" "${rest[@]}" | head -n 40 > "$work/names40.txt"
make_names 10 > "$work/names10.txt"
make_names 1000 > "$work/names1000.txt"

# Runs one batch under /usr/bin/time; prints "seconds peak_kib cpu_seconds".
batch() {
  local list=$1 jobs=$2 format=$3
  rm -rf "$work/out"
  /usr/bin/time -v -o "$work/time.txt" "$bin" --names "$list" -d "$work/out" -j "$jobs" --format "$format" -q
  local wall kib cpu
  wall=$(sed -nE 's/.*Elapsed \(wall clock\) time.*: (.*)/\1/p' "$work/time.txt" |
    awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
  kib=$(sed -nE 's/.*Maximum resident set size \(kbytes\): ([0-9]+)/\1/p' "$work/time.txt")
  cpu=$(sed -nE 's/.*(User|System) time \(seconds\): ([0-9.]+)/\2/p' "$work/time.txt" | awk '{ s += $1 } END { print s }')
  echo "$wall $kib $cpu"
}

best() {  # the run of best wall time of $runs runs; prints "seconds peak_kib cpu_seconds"
  local best_s="" best_k="" best_c="" s k c
  for ((r = 0; r < runs; r++)); do
    read -r s k c < <(batch "$@")
    if [[ -z $best_s ]] || awk -v a="$s" -v b="$best_s" 'BEGIN { exit !(a < b) }'; then best_s=$s best_k=$k best_c=$c; fi
  done
  echo "$best_s $best_k $best_c"
}

row() {  # label cards jobs seconds kib cpu
  awk -v l="$1" -v n="$2" -v j="$3" -v s="$4" -v k="$5" -v c="$6" \
    'BEGIN { printf "| %-26s | %5d | %2d | %8.2f | %8.2f | %12.3f | %12.1f |\n", l, n, j, s, n / s, c / n, k / 1024 }'
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| batch                      | cards | -j |  seconds |  cards/s | CPU s / card | peak RSS MiB |"
echo "|----------------------------|------:|---:|---------:|---------:|-------------:|-------------:|"
read -r s1 k1 c1 < <(best "$work/names40.txt" 1 bmp); row "40 names, all brushes, bmp" 40 1 "$s1" "$k1" "$c1"
read -r s2 k2 c2 < <(best "$work/names40.txt" 2 bmp); row "40 names, all brushes, bmp" 40 2 "$s2" "$k2" "$c2"
read -r s3 k3 c3 < <(best "$work/names40.txt" 1 png); row "40 names, all brushes, png" 40 1 "$s3" "$k3" "$c3"
read -r s4 k4 c4 < <(best "$work/names40.txt" 2 png); row "40 names, all brushes, png" 40 2 "$s4" "$k4" "$c4"
read -r s5 k5 c5 < <(batch "$work/names10.txt" 2 bmp); row "10 names, bmp" 10 2 "$s5" "$k5" "$c5"
read -r s6 k6 c6 < <(batch "$work/names1000.txt" 2 bmp); row "1,000 names, bmp" 1000 2 "$s6" "$k6" "$c6"
echo
awk -v a="$s1" -v b="$s2" -v c="$s3" -v d="$s4" -v m="$k5" -v M="$k6" 'BEGIN {
  printf "speed-up -j 2 over -j 1: bmp %.2fx, png %.2fx (target >= 1.8x)\n", a / b, c / d
  printf "peak memory 1,000 names / 10 names: %.2f (target <= 1.2)\n", M / m
}'
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
