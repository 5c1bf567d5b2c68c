#!/bin/sh
# Checks `quorvel --print` as users and scripts call it.
# usage: print_test.sh QUORVEL EXAMPLES_DIR
set -u
quorvel=$1
examples=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every example is stored in the standard form, so printing gives it back.
for example in "$examples"/*.quorvel; do
    if ! "$quorvel" --print "$example" > "$scratch/out" 2> "$scratch/err"; then
        fail "$example was refused: $(cat "$scratch/err")"
    elif ! cmp -s "$scratch/out" "$example"; then
        fail "$example printed differently"
    fi
done

# Refused files: exit status 1, nothing on standard output and one line
# "quorvel: FILE: reason" on standard error.
printf '{ red = \001\377; }' > "$scratch/binary.quorvel"
printf '( 1, 2 )' > "$scratch/array.quorvel"
: > "$scratch/empty.quorvel"
# /proc/self/mem fails its first read with EIO, as a failing disk does.
for bad in "$scratch/binary.quorvel" "$scratch/array.quorvel" "$scratch/empty.quorvel" \
           "$scratch/missing.quorvel" "$scratch" /proc/self/mem; do
    "$quorvel" --print "$bad" > "$scratch/out" 2> "$scratch/err"
    status=$?
    [ "$status" -eq 1 ] || fail "$bad: exit status $status, not 1"
    [ -s "$scratch/out" ] && fail "$bad: printed a document"
    [ "$(wc -l < "$scratch/err")" -eq 1 ] || fail "$bad: not one line of error: $(cat "$scratch/err")"
    case "$(cat "$scratch/err")" in
        "quorvel: $bad: "?*) ;;
        *) fail "$bad: error does not name the file: $(cat "$scratch/err")" ;;
    esac
done

# A hand-written file with comments, CRLF ends and missing keys is normalised.
printf '// by hand\r\n{ "show axes" = 0; Class = Other; }\r\n' > "$scratch/hand.quorvel"
"$quorvel" --print "$scratch/hand.quorvel" > "$scratch/out" || fail "hand-written file refused"
grep -q '^    "show axes" = 0;$' "$scratch/out" || fail "show axes not printed as 0"
grep -q '^    Class = MyDocument;$' "$scratch/out" || fail "Class not rewritten"
[ "$(grep -c ' = ' "$scratch/out")" -eq 83 ] || fail "not 83 entries"

checks=$(( $(ls "$examples"/*.quorvel | wc -l) + 7 ))
echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
