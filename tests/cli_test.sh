#!/usr/bin/env bash
# ombrix-report as scripts use it: exit codes, streams and exact bytes.
set -u
bin=${OMBRIX_REPORT:?path of ombrix-report}
passed=0 failed=0
check() {  # name, condition result
  if [ "$2" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

"$bin" --raw "27. Oktoober 1980" >"$tmp/raw"; check "raw exits 0" $?
printf '\r\n27. oktoober 1980\r\n\r\n\r\n' >"$tmp/head"
"$bin" --table 90 >>"$tmp/head"
cmp -s -n "$(stat -c %s "$tmp/head")" "$tmp/head" "$tmp/raw"; check "raw report begins with header and table 90" $?

"$bin" >"$tmp/default"; check "default date exits 0" $?
"$bin" "27. Oktoober 1980" >"$tmp/utf8"
cmp -s "$tmp/default" "$tmp/utf8"; check "default date is 27. Oktoober 1980" $?
! grep -q $'\r' "$tmp/utf8"; check "terminal output has LF line ends" $?
iconv -f UTF-8 -t UTF-8 "$tmp/utf8" >/dev/null; check "terminal output is UTF-8" $?
grep -q 'Sünnikuupäev annab lisaks järgnevaid omadusi:' "$tmp/utf8"; check "Estonian letters in UTF-8" $?
"$bin" "5 MÄRTS 1990" >/dev/null; check "UTF-8 month name is converted" $?

"$bin" "5 jun 1990" >"$tmp/out" 2>"$tmp/err"; status=$?
[ "$status" = 2 ]; check "rejected date exits 2" $?
[ ! -s "$tmp/out" ]; check "rejected date prints nothing on stdout" $?
printf 'Viga\nKontrolli kuupäeva, ma ei suuda sealt vajalikku välja lugeda.\nKuupäev peab olema kirjutatud:   Kuupäev Kuu Aasta   (aasta täies pikkuses).\n' >"$tmp/want"
cmp -s "$tmp/want" "$tmp/err"; check "rejected date prints the error box on stderr" $?

"$bin" --table 31000 | cmp -s - <(printf '\r\n0 Viga\r\n\r\nKPV1 Kontrolli kuup\xe4eva, ma ei suuda sealt vajalikku v\xe4lja lugeda.\r\nKPV2 Kuup\xe4ev peab olema kirjutatud:   Kuup\xe4ev Kuu Aasta   (aasta t\xe4ies pikkuses).\r\n')
check "table 31000 bytes" $?
[ "$("$bin" --table 31000 | wc -c)" = 163 ]; check "table 31000 has 163 bytes" $?
[ "$("$bin" --table 32000 | wc -c)" = 282 ]; check "table 32000 has 282 bytes" $?

for args in "--table 4242" "--table x" "--table" "--bogus" "1.1.1990 2.2.1990"; do
  # shellcheck disable=SC2086
  "$bin" $args >"$tmp/out" 2>"$tmp/err"; status=$?
  [ "$status" = 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" = 1 ]
  check "bad command line '$args' gives one line and status 2" $?
done
"$bin" --help | grep -q 'Usage: ombrix-report'; check "--help" $?
[ "$("$bin" --version)" = "ombrix-report ${OMBRIX_VERSION:?version of the project}" ]
check "--version shows the project's version" $?
"$bin" "$(printf '27. Okt\xff 1980')" >/dev/null 2>&1; check "invalid UTF-8 does not break the date" $?

long=$(printf '27.10.1980%*s' 99990 '')
"$bin" "$long" >/dev/null 2>&1; check "a date of 100,000 characters reads its first 255" $?
"$bin" "$(head -c 100000 /dev/zero | tr '\0' '9')" >/dev/null 2>"$tmp/err"; status=$?
[ "$status" = 2 ] && [ "$(wc -l <"$tmp/err")" = 3 ]; check "100,000 digits are rejected with the error box" $?
"$bin" "" >/dev/null 2>&1; [ $? = 2 ]; check "an empty date is rejected" $?

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
