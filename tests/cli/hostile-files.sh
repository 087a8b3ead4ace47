#!/bin/sh
# Both programs given what is not a plain file where they expect one, as a user's shell hands
# it over: a folder, a device that never ends, a FIFO, a link, an output that fails, and texts
# with control characters. Each case: its exit status, and what it writes or leaves behind.
# Usage: hostile-files.sh PAGALUZ-CALC PAGALUZ EXAMPLES-FOLDER
# Devices are only read here: no writer of ours is ever pointed at one.
calc=$(realpath "$1")
desktop=$(realpath "$2")
examples=$(realpath "$3")
work=$(mktemp -d)
writers=""
trap 'kill $writers 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
export QT_QPA_PLATFORM=offscreen
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# run NAME STATUS PATTERN COMMAND...: the command, under a memory limit of 1 GiB and a time
# limit, ends with STATUS and its standard error matches PATTERN (grep -E), free of any raw
# escape character.
run() {
    name=$1 status=$2 pattern=$3
    shift 3
    (ulimit -v 1048576 && exec timeout 60 "$@") >out 2>err
    got=$?
    [ "$got" -eq "$status" ] || fail "$name: exit $got, not $status: $(head -c 300 err)"
    [ -z "$pattern" ] || grep -Eq -- "$pattern" err || fail "$name: message $(head -c 300 err)"
    if grep -q "$(printf '\033')" err; then fail "$name: a raw escape reached the terminal"; fi
}

mkdir folder
example=$examples/worked-example.json

# Inputs that never end, and folders, read as a single document.
run calc-device 64 'pasa de 16 MiB' "$calc" /dev/zero
run calc-positions-device 64 'pasa de 4 MiB' "$calc" --positions-file /dev/zero "$example"
run calc-compare-device 64 'pasa de 16 MiB' "$calc" --compare /dev/zero "$example"
run calc-stdin-endless 64 'entrada estándar pasa de 16 MiB' sh -c "\"$calc\" < /dev/zero"
run pdf-device 64 'pasa de 16 MiB' "$desktop" --pdf zero.pdf /dev/zero
[ ! -e zero.pdf ] || fail "pdf-device: a PDF was written"
run calc-folder 64 'folder es una carpeta' "$calc" folder
run calc-batch-folder 64 'folder es una carpeta' "$calc" --batch folder
run calc-positions-folder 64 'folder es una carpeta' "$calc" --positions-file folder "$example"
run calc-compare-folder 64 'folder es una carpeta' "$calc" --compare folder "$example"
run pdf-folder-input 64 'folder es una carpeta' "$desktop" --pdf folder.pdf folder

# A FIFO is read as it comes, as one document and as a batch of JSON Lines.
mkfifo fifo
cat "$example" >fifo &
writers="$writers $!"
run calc-fifo 0 '' "$calc" --json fifo
grep -q '"totalEarnings"' out || fail "calc-fifo: no payslip"
printf '{}\n{"mode": \n' >fifo &
writers="$writers $!"
run calc-batch-fifo 0 '' "$calc" --batch fifo
[ "$(grep -c '"kind":"input"' out)" -eq 1 ] && [ "$(wc -l <out)" -eq 2 ] ||
    fail "calc-batch-fifo: $(cat out)"

# A JSON Lines line longer than a document gets an input error; the lines after it go on.
{ head -c 17000000 /dev/zero | tr '\0' x; printf '\n{}\n'; } >long.jsonl
run batch-long-line 0 '' sh -c "\"$calc\" --batch < long.jsonl"
[ "$(wc -l <out)" -eq 2 ] && head -n 1 out | grep -q 'la línea pasa de 16 MiB' &&
    tail -n 1 out | grep -q '"kind"' || fail "batch-long-line: $(head -c 300 out)"

# A batch whose results cannot be written stops at once, endless as its input may be.
run batch-full-disk 74 'no se pudieron escribir' sh -c "yes '{}' | \"$calc\" --batch > /dev/full"

# --pdf writes only where there is nothing or a regular file; "-" is standard output.
run pdf-to-fifo 73 'no es un archivo común' "$desktop" --pdf fifo "$example"
[ -p fifo ] || fail "pdf-to-fifo: the FIFO was replaced"
run pdf-to-folder 73 'es una carpeta' "$desktop" --pdf folder "$example"
[ -d folder ] || fail "pdf-to-folder: the folder was replaced"
echo earlier >target.pdf
ln -s target.pdf link.pdf
run pdf-through-link 0 '' "$desktop" --pdf link.pdf "$example"
[ -L link.pdf ] && [ "$(head -c 5 target.pdf)" = "%PDF-" ] || fail "pdf-through-link"
run pdf-to-stdout 0 '' "$desktop" --pdf - "$example"
[ "$(head -c 5 out)" = "%PDF-" ] || fail "pdf-to-stdout: $(head -c 20 out)"

# Control characters quoted from a file reach the terminal escaped.
printf '{"\\u001b]0;title\\u0007\\r": 1, "\\u0000x": 2}' >keys.json
run calc-key-escaped 64 'u001B\]0;title\\u0007\\u000D' "$calc" keys.json
run pdf-key-escaped 64 'u001B\]0;title\\u0007\\u000D' "$desktop" --pdf keys.pdf keys.json
printf 'code,na\033[2Jme\n' >table.csv
run calc-table-escaped 2 'na\\u001B\[2Jme' "$calc" --positions-file table.csv "$example"

# A pay scale for --pdf: a device, a folder, and a scale with a fault whose key holds control
# characters; nothing is written.
run pdf-scale-device 64 'pasa de 1 MiB' "$desktop" --scale /dev/zero --pdf scale.pdf "$example"
run pdf-scale-folder 64 'folder es una carpeta' "$desktop" --scale folder --pdf scale.pdf "$example"
"$calc" --print-scale >scale.toml
run pdf-scale 0 '' "$desktop" --scale scale.toml --pdf scale.pdf "$example"
[ "$(head -c 5 scale.pdf)" = "%PDF-" ] && rm scale.pdf || fail "pdf-scale: no PDF"
printf '"a\\u001b[2J" = 1\n' >>scale.toml
run pdf-scale-escaped 2 'escala scale.toml: línea [0-9]+, columna 1 \(.*a\\u001B\[2J\)' \
    "$desktop" --scale scale.toml --pdf scale.pdf "$example"
[ ! -e scale.pdf ] || fail "pdf-scale: a PDF was written"

[ "$failures" -eq 0 ] || exit 1
echo "all cases passed"
