#!/usr/bin/env bash
# zlvca as a script uses it: exit codes, outputs on the sample data, messages and usage errors.
set -u
zlvca=$1
samples=$2
version=$3
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

check() {  # check <description> <condition...>
    local what=$1
    shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
contains() { grep -qF -- "$2" "$1"; }
common=(--mode RETRIEVAL --definitions "$samples/definitions.xml" --values "$samples/values.xml")

"$zlvca" --help >"$scratch/help" 2>&1
check "--help shows an example" contains "$scratch/help" "zlvca validate --mode RETRIEVAL"

# Arguments | exit code | first line written (standard output and error together).
while IFS='|' read -r args code first; do
    # shellcheck disable=SC2086  # the arguments are split on purpose
    "$zlvca" $args >"$scratch/out" 2>&1
    check "'$args' exits $code" test $? -eq "$code"
    check "'$args' says: $first" test "$(head -n 1 "$scratch/out")" = "$first"
done <<TABLE
--help|0|zlvca - the custom attribute control's rules as a batch tool
--version|0|zlvca $version
show --frob|2|zlvca: usage: unknown option '--frob'; see 'zlvca --help'
show --mode|2|zlvca: usage: --mode needs a value
TABLE

"$zlvca" validate "${common[@]}" >"$scratch/out" 2>"$scratch/err"
check "validate exits 1 on invalid values" test $? -eq 1
check "validate prints the message" contains "$scratch/out" \
    "The Étiquette cannot contain any of the following characters:"
check "validate writes real line breaks" contains "$scratch/out" "\\ / : * ; ' ? >\" < | , % &"
check "validate writes no carriage return" test "$(tr -cd '\r' <"$scratch/out" | wc -c)" -eq 0

sed 's/ &amp; co//' "$samples/definitions.xml" >"$scratch/clean.xml"
"$zlvca" validate --mode RETRIEVAL --definitions "$scratch/clean.xml" \
    --values "$samples/values.xml" >"$scratch/out" 2>&1
check "validate exits 0 on valid values" test $? -eq 0
check "validate prints nothing when valid" test ! -s "$scratch/out"

"$zlvca" roundtrip --mode CLONE --entity-type ET1 --definitions "$samples/definitions.xml" \
    --values - <"$samples/values.xml" >"$scratch/out" 2>&1
check "roundtrip reads values from stdin" test $? -eq 0
check "roundtrip writes the CLONE document" contains "$scratch/out" \
    '<updateEntityType objectId="ET1"><updateCAs objectId="CA_COLOR" defaultValue="3"/>'

"$zlvca" show "${common[@]}" >"$scratch/out" 2>&1
check "show marks required rows" contains "$scratch/out" "* Colour | Green"
check "show lists captions" contains "$scratch/out" "  Attribute | Value"

echo '<cas><ca id="A" value="1"/><ca id="a" value="2"/></cas>' >"$scratch/dup.xml"
"$zlvca" roundtrip --mode RETRIEVAL --definitions "$samples/definitions.xml" \
    --values "$scratch/dup.xml" >"$scratch/out" 2>"$scratch/err"
check "a message box does not fail the run" test $? -eq 0
check "message boxes go to stderr with a prefix" contains "$scratch/err" \
    "zlvca: message:  Set Data This key is already associated"

"$zlvca" >"$scratch/out" 2>"$scratch/err"
check "no command exits 2" test $? -eq 2
check "usage error is one line" test "$(wc -l <"$scratch/err")" -eq 1
"$zlvca" roundtrip --mode RETRIEVAL --definitions /no/such/file --values x 2>"$scratch/err"
check "unreadable file exits 2" test $? -eq 2
check "unreadable file is named" contains "$scratch/err" "cannot read '/no/such/file'"
"$zlvca" validate "${common[@]}" --pass sideways 2>"$scratch/err"
check "bad --pass exits 2" test $? -eq 2

exit $((failures > 0))
