#!/usr/bin/env bash
# Runs every benchmark and prints one line each: the command-line print of 1,
# 100 and 1,000 certificates and the start-up with 10,000 candidates as whole
# processes (median of three runs, peak memory from /usr/bin/time), then the
# measured routines (Google Benchmark).
#   bash bench/run.sh            (after building into build/; BUILD=dir for another folder)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${BUILD:-build}/bin
lucru=$(mktemp -d)
trap 'rm -rf "$lucru"' EXIT
# The benchmarks keep their settings and data in a folder of their own.
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$lucru/config" XDG_DATA_HOME="$lucru/share"
unset CERTIFICAT_ACORDARE_DATE

# Runs the command three times; prints the median seconds and the median peak memory in MB.
mediana() {
    for _ in 1 2 3; do
        /usr/bin/time -f "%e %M" -o "$lucru/timp" "$@" >/dev/null 2>"$lucru/erori" ||
            { cat "$lucru/erori" >&2; exit 1; }
        cat "$lucru/timp"
    done | sort -n | sed -n 2p | awk '{ printf "%s %.0f", $1, $2 / 1024 }'
}

for n in 1 100 1000; do
    "$bin/bench_date" "$lucru/date$n" "$n"
    read -r s mb <<<"$(mediana "$bin/CertificatAcordare" --date "$lucru/date$n" --tipareste-pdf "$lucru/c.pdf" --toti)"
    awk -v n="$n" -v s="$s" -v mb="$mb" \
        'BEGIN { printf "Tiparire PDF, %d certificat(e): %.2f s (%.0f certificate/s), memorie maxima %d MB\n", n, s, n / s, mb }'
done

"$bin/bench_date" "$lucru/date10000" 10000
read -r s mb <<<"$(mediana "$bin/CertificatAcordare" --fara-splash --date "$lucru/date10000" --doar-pornire)"
echo "Pornire pana la fereastra principala, 10000 candidati: $s s, memorie maxima $mb MB"

"$bin/bench_ListaElevi" --benchmark_format=console
"$bin/bench_ValoareCamp" --benchmark_format=console
"$bin/bench_QenVirtualGrid" --benchmark_format=console
