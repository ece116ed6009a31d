#!/bin/bash
# Runs every parser and splitter fuzz target for a while on corpora seeded from
# the device fixtures. Corpora, crash files and logs go to a temporary folder
# (printed at the end); nothing is written into the source tree.
#   bench/fuzz/run_fuzz.sh BUILD_DIR [SECONDS]   (default 60)
set -u
build=${1:?build folder of a -DTW_FUZZ=ON clang configure}
# Absolute: each target runs from its own artifacts folder.
build=$(cd "$build" && pwd) || exit 2
seconds=${2:-60}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
fixtures=$source_dir/tests/host/parsers/ntc
work=$(mktemp -d /tmp/tw-fuzz-run-XXXXXX)

seed() { # seed TARGET GLOB...
    local target=$1; shift
    mkdir -p "$work/$target/corpus" "$work/$target/artifacts"
    for pattern in "$@"; do
        cp $fixtures/$pattern "$work/$target/corpus/" 2>/dev/null
    done
}
seed fuzz_route_table '*/show_ip_route/*.raw'
seed fuzz_arp_table '*/show_ip_arp/*.raw'
seed fuzz_mac_table '*/show_mac*/*.raw'
seed fuzz_cdp_table '*/show_cdp*/*.raw'
seed fuzz_interface_rule '*/show_interface*/*.raw'
# Session logs: each fixture behind a prompt and command line of a device the
# target's scratch project knows.
mkdir -p "$work/fuzz_split_show_cmds/corpus" "$work/fuzz_split_show_cmds/artifacts"
n=0
for pair in 'r1#show ip route:*/show_ip_route/*.raw' 'r1#show arp:*/show_ip_arp/*.raw' \
            'sw1#show mac-address-table dynamic:*/show_mac*/*.raw' \
            'nx1# show cdp neighbors detail:*/show_cdp*/*.raw' 'r1#show interface:*/show_interface*/*.raw'; do
    for file in $fixtures/${pair#*:}; do
        n=$((n + 1))
        { echo "${pair%%:*}"; head -c 20000 "$file"; echo; echo "r1#show version"; } \
            > "$work/fuzz_split_show_cmds/corpus/log$n.txt"
    done
done

status=0
for target in fuzz_route_table fuzz_arp_table fuzz_mac_table fuzz_cdp_table fuzz_interface_rule fuzz_split_show_cmds; do
    (cd "$work/$target/artifacts" &&
        "$build/bin/$target" "$work/$target/corpus" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
            -rss_limit_mb=4096 -artifact_prefix="$work/$target/artifacts/" -print_final_stats=1 \
            > "$work/$target.log" 2>&1)
    result=$?
    [ $result -ne 0 ] && status=1
    printf '%-24s exit %d, %s executions\n' "$target" $result \
        "$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")"
done
echo "corpora, artifacts and logs: $work"
exit $status
