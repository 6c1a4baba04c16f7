#!/bin/sh
# bench.sh <output> <files...>: compiles a test bench with iverilog (includes from
# this folder) and runs it; the bench prints PASS or FAIL lines.
out=$1
shift
iverilog -g2005 -Wall -I "$(dirname "$0")" -o "$out" "$@" && vvp -n "$out"
