#!/bin/sh
# Every catalogue board through tools/gen-project with its defaults: a board with a
# pin table writes a project iverilog accepts; a board without one says so. Boards whose
# data puts two default pins on one ball are refused with the writers' message. A refused
# run leaves no folder it created.
set -u
tool=$1
status=0
work=$(mktemp -d)
# The refusal a board's defaults must give, "" for none.
refusal() {
    case $1 in
    7) echo "[Error] Location PIN_P4 is used by both TEMP_CLK and LCD_BL_ON." ;;
    13) echo "[Error] Location PIN_AF12 is used by both HEX0_DP and FL_DQ[7]." ;;
    *) echo "" ;;
    esac
}
for id in $(seq 1 32) 50 100 101; do
    out="$work/$id"
    "$tool" "$id" "$out" > "$work/log" 2>&1
    rc=$?
    expected=$(refusal "$id")
    if [ $rc -eq 0 ] && [ -z "$expected" ]; then
        if ! iverilog -o /dev/null $(find "$out" -name '*.v') > "$work/iverilog" 2>&1; then
            echo "board $id: iverilog refuses the project"; cat "$work/iverilog"; status=1
        fi
    elif [ $rc -eq 2 ] && grep -q "has no pin table" "$work/log" && [ ! -e "$out" ]; then
        :
    elif [ $rc -eq 1 ] && [ -n "$expected" ] && grep -qxF "$expected" "$work/log" && [ ! -e "$out" ]; then
        :
    else
        echo "board $id: gen-project ended with $rc"; cat "$work/log"; status=1
    fi
done
# Arguments the tool refuses: exit 2 and nothing written.
printf 'short' > "$work/short.cfg"
for args in "30abc out" "4294967326 out" "31x out" "17 out" "--fpga 2 30 out" "--fpga 1 30 out" "--fpga 3 7 out" \
    "--fpga one 7 out" "--start $work/short.cfg 30 out" "30 out $work/short.cfg" "--other 30 out" "30" "30 out a b"; do
    # shellcheck disable=SC2086
    (cd "$work" && "$tool" $args > log 2>&1)
    rc=$?
    if [ $rc -ne 2 ] || [ -e "$work/out" ]; then
        echo "gen-project $args: ended with $rc"; cat "$work/log"; status=1
    fi
    rm -rf "$work/out"
done
# refused <message> <arguments>: the tool ends with 2, says message, and writes no out.
refused() {
    message=$1
    shift
    (cd "$work" && "$tool" "$@" > log 2>&1)
    rc=$?
    if [ $rc -ne 2 ] || [ -e "$work/out" ] || ! grep -qF -- "$message" "$work/log"; then
        echo "gen-project $*: ended with $rc"; cat "$work/log"; status=1
    fi
    rm -rf "$work/out"
}
# A record it cannot read says why, as the start record and as the one loaded.
bad_record() {
    refused "$1" --start "$2" 30 out
    refused "$1" 30 out "$2"
}
bad_record "gen-project: cannot read $work/missing.cfg: No such file or directory" "$work/missing.cfg"
mkdir "$work/folder.cfg"
bad_record "gen-project: cannot read $work/folder.cfg: Is a directory" "$work/folder.cfg"
cp "$work/short.cfg" "$work/locked.cfg"
chmod 000 "$work/locked.cfg"
# Root reads it all the same.
if [ ! -r "$work/locked.cfg" ]; then
    bad_record "gen-project: cannot read $work/locked.cfg: Permission denied" "$work/locked.cfg"
fi
bad_record "gen-project: $work/short.cfg is not a record of " "$work/short.cfg"
# Board 7 has two FPGAs: --fpga names either, and its defaults are refused on both.
for part in 1 2; do
    "$tool" --fpga $part 7 "$work/fpga$part" > "$work/log" 2>&1
    rc=$?
    if [ $rc -ne 1 ] || ! grep -qxF "$(refusal 7)" "$work/log" || [ -e "$work/fpga$part" ]; then
        echo "gen-project --fpga $part 7: ended with $rc"; cat "$work/log"; status=1
    fi
done
# A refused run takes away only the folders it made: kept and what stood before stay.
mkdir -p "$work/kept/before"
for folder in "$work/kept/new/out" "$work/kept/before"; do
    "$tool" 7 "$folder" > "$work/log" 2>&1
    rc=$?
    if [ $rc -ne 1 ] || [ -e "$work/kept/new" ] || [ ! -d "$work/kept/before" ]; then
        echo "gen-project 7 $folder: ended with $rc"; cat "$work/log"; find "$work/kept"; status=1
    fi
done
# An output folder it cannot create: a path through a file, named as given. The second
# makes two folders before it meets the file; they go again.
printf 'x' > "$work/file"
refused "gen-project: cannot create $work/file/out: Not a directory" 30 "$work/file/out"
refused "gen-project: cannot create $work/new/x/../../file/out: Not a directory" 30 "$work/new/x/../../file/out"
if [ ! -f "$work/file" ] || [ -e "$work/new" ]; then
    echo "gen-project: a folder it could not create changed what was there"; find "$work/file" "$work/new"
    status=1
fi
# An empty output folder is a usage error, not the root folder.
ls -A / > "$work/root-before"
(cd "$work" && "$tool" 30 "" > log 2>&1)
rc=$?
ls -A / > "$work/root-after"
if [ $rc -ne 2 ] || ! grep -q "^usage: gen-project" "$work/log" || ! cmp -s "$work/root-before" "$work/root-after"; then
    echo "gen-project 30 \"\": ended with $rc"; cat "$work/log"; diff "$work/root-before" "$work/root-after"; status=1
fi
rm -rf "$work"
exit $status
