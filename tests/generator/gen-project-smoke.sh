#!/bin/sh
# Every catalogue board through tools/gen-project with its defaults: a board with a
# pin table writes a project iverilog accepts; a board without one says so; board 7's
# defaults are refused with the writers' message.
set -u
tool=$1
status=0
work=$(mktemp -d)
for id in $(seq 1 32) 50 100 101; do
    out="$work/$id"
    "$tool" "$id" "$out" > "$work/log" 2>&1
    rc=$?
    if [ $rc -eq 0 ]; then
        if ! iverilog -o /dev/null $(find "$out" -name '*.v') > "$work/iverilog" 2>&1; then
            echo "board $id: iverilog refuses the project"; cat "$work/iverilog"; status=1
        fi
    elif [ $rc -eq 2 ] && grep -q "has no pin table" "$work/log"; then
        :
    elif [ $rc -eq 1 ] && [ "$id" = 7 ] &&
        grep -qx "\[Error\] Location PIN_P4 is used by both TEMP_CLK and LCD_BL_ON\." "$work/log"; then
        : # board 7's data puts its LCD and sensor pins on one ball: the writers refuse it
    else
        echo "board $id: gen-project ended with $rc"; cat "$work/log"; status=1
    fi
done
rm -rf "$work"
exit $status
