#!/usr/bin/env bash
# Drives dividir-cli as a script would: bytes in, bytes and exit status out.
set -u
cli=$1
failures=0
passes=0

# check NAME EXPECTED_STATUS EXPECTED_STDOUT_HEX EXPECTED_STDERR -- COMMAND...
check() {
    local name=$1 status=$2 stdout_hex=$3 stderr=$4
    shift 5
    local out err actual_status
    out=$(mktemp) err=$(mktemp)
    "$@" >"$out" 2>"$err"
    actual_status=$?
    local actual_hex actual_err
    actual_hex=$(od -An -v -tx1 "$out" | tr -d ' \n')
    actual_err=$(cat "$err")
    if [[ $actual_status != "$status" || $actual_hex != "$stdout_hex" ||
          ( $stderr != "*" && $actual_err != "$stderr" ) ]]; then
        echo "FAIL $name: status $actual_status, stdout $actual_hex, stderr '$actual_err'"
        failures=$((failures + 1))
    else
        passes=$((passes + 1))
    fi
    rm -f "$out" "$err"
}

listing() { printf "$1" | "$cli" listing; }

check "listing of text with a double-byte character and a byte 0" 0 \
    "4109363509307830303030303034310d0a82a009313233353409307830303030333034320d0a" "" \
    -- listing 'A\000\202\240 \r\n'
check "listing of nothing listed is empty" 0 "" "" -- listing ' \t\r\n'
check "character of a decimal code" 0 "41" "" -- "$cli" char 65
check "character of a hexadecimal code" 0 "82a0" "" -- "$cli" char 3042h
check "unit 0 gives the NUL byte" 0 "00" "" -- "$cli" char 0x
check "empty entry is the conversion error" 1 "" "'' is not a valid integer value." -- "$cli" char ''
check "too large a decimal" 1 "" "'2147483648' is not a valid integer value." -- "$cli" char 2147483648
check "help" 0 5573616765 "" -- bash -c "'$cli' --help | head -c 5"
check "unknown command" 2 "" "*" -- "$cli" frobnicate
check "unknown option" 2 "" "*" -- "$cli" --frobnicate
check "missing entry" 2 "" "*" -- "$cli" char
check "no command" 2 "" "*" -- "$cli"

echo "$passes passed, $failures failed"
[[ $failures == 0 ]]
