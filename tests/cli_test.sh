#!/usr/bin/env bash
# ombrix-report as scripts use it: exit codes, streams and exact bytes.
set -u
bin=${OMBRIX_REPORT:?path of ombrix-report}
# shellcheck source=tests/check.sh
source "$(dirname "$0")/check.sh"
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

for args in "--table 4242" "--table x" "--table" "1.1.1990 2.2.1990"; do
  # shellcheck disable=SC2086
  "$bin" $args >"$tmp/out" 2>"$tmp/err"; status=$?
  [ "$status" = 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" = 1 ]
  check "bad command line '$args' gives one line and status 2" $?
done
for args in "--bogus" "-x" "--raw --json" "--json --raw 1.1.1990"; do
  # shellcheck disable=SC2086
  "$bin" $args >"$tmp/out" 2>"$tmp/err"; status=$?
  [ "$status" = 2 ] && [ ! -s "$tmp/out" ] && grep -q '^ombrix-report: ' "$tmp/err" &&
    grep -q '^Usage: ombrix-report' "$tmp/err"
  check "wrong options '$args' give status 2 and a message with the usage" $?
done
"$bin" -- "27. Oktoober 1980" | cmp -s - "$tmp/utf8"; check "-- ends the options before a date" $?
"$bin" --raw -- | cmp -s - "$tmp/raw"; check "-- without a date gives the default date" $?
"$bin" -- --raw >"$tmp/out" 2>"$tmp/err"; status=$?
[ "$status" = 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" = 3 ]
check "after -- an option's name is a date, rejected with the error box" $?

# Output that cannot be written fails with status 1 and says why, whether
# nothing lands (/dev/full) or only part does (a file size limit).
for args in "" "--raw" "--json" "--table 5" "--help" "--version"; do
  # shellcheck disable=SC2086
  "$bin" $args >/dev/full 2>"$tmp/err"; status=$?
  [ "$status" = 1 ] && grep -q '^ombrix-report: the output could not be written' "$tmp/err"
  check "'$args' into a full disk gives status 1 and a message" $?
done
(trap '' XFSZ; ulimit -f 1; "$bin" --raw >"$tmp/part" 2>"$tmp/err"); status=$?
[ "$status" = 1 ] && [ "$(stat -c %s "$tmp/part")" = 1024 ] && [ -s "$tmp/err" ]
check "a report cut short after 1 KiB gives status 1 and a message" $?

# The JSON of worked dates, with the numbers that the reading's rules give.
while IFS='|' read -r date json; do
  [ "$("$bin" --json "$date")" = "$json" ]; check "--json $date" $?
done <<'EOF'
27. Oktoober 1980|{"date": {"day": 27, "month": 10, "year": 1980}, "rootNumber": 9, "lifePathNumber": 1, "apogees": [{"endAge": 35, "number": 1}, {"endAge": 44, "number": 9}, {"endAge": 53, "number": 1}, {"endAge": 53, "number": 1}], "challenges": [8, 0, 8, 8], "birthdayGift": 5, "cycles": [{"number": 1}, {"startYear": 2007, "number": 9}, {"startYear": 2035, "number": 9}], "grid": {"digits": [1, 2, 7, 8, 9], "lines": [6]}, "previousLife": {"sex": 1, "profession": "R5", "trait": "F1", "place": 43, "pastBirthYear": "925", "task": "C2"}}
2. september 1980|{"date": {"day": 2, "month": 9, "year": 1980}, "rootNumber": 2, "lifePathNumber": 2, "apogees": [{"endAge": 34, "number": 11}, {"endAge": 43, "number": 11}, {"endAge": 52, "number": 4}, {"endAge": 52, "number": 9}], "challenges": [7, 7, 0, 0], "birthdayGift": null, "cycles": [{"number": 9}, {"startYear": 2006, "number": 2}, {"startYear": 2034, "number": 9}], "grid": {"digits": [1, 2, 8, 9], "lines": []}, "previousLife": {"sex": 2, "profession": "U4", "trait": "S1", "place": 15, "pastBirthYear": "1275", "task": "A3"}}
22.02.1995|{"date": {"day": 22, "month": 2, "year": 1995}, "rootNumber": 4, "lifePathNumber": 3, "apogees": [{"endAge": 33, "number": 6}, {"endAge": 42, "number": 1}, {"endAge": 51, "number": 7}, {"endAge": 51, "number": 8}], "challenges": [2, 2, 0, 4], "birthdayGift": null, "cycles": [{"number": 2}, {"startYear": 2020, "number": 22}, {"startYear": 2048, "number": 6}], "grid": {"digits": [1, 2, 3, 5, 9], "lines": [4]}, "previousLife": {"sex": 2, "profession": "T5", "trait": "F1", "place": 3, "pastBirthYear": "1750", "task": "C4"}}
1 jaan 1850|{"date": {"day": 1, "month": 1, "year": 1850}, "rootNumber": 1, "lifePathNumber": 7, "apogees": [{"endAge": 29, "number": 2}, {"endAge": 38, "number": 6}, {"endAge": 47, "number": 8}, {"endAge": 47, "number": 6}], "challenges": [0, 4, 4, 4], "birthdayGift": null, "cycles": [{"number": 1}, {"startYear": 1880, "number": 1}, {"startYear": 1908, "number": 5}], "grid": {"digits": [1, 5, 7, 8], "lines": []}, "previousLife": {"sex": 1, "profession": "T4", "trait": "S2", "place": 74, "pastBirthYear": "975", "task": "A2"}}
EOF
"$bin" --json "31.12.-9999" | jq -e '.previousLife.sex' >/dev/null; check "a JSON parser reads the JSON of a negative year" $?
[ "$("$bin" --json | tail -c 2 | od -An -tx1)" = " 7d 0a" ]; check "the JSON ends with one newline" $?
"$bin" --json "5 jun 1990" >"$tmp/out" 2>"$tmp/err"; status=$?
[ "$status" = 2 ] && [ ! -s "$tmp/out" ] && cmp -s "$tmp/want" "$tmp/err"
check "--json of a rejected date exits 2 with the error box on stderr" $?

"$bin" --help | grep -q 'Usage: ombrix-report'; check "--help" $?
[ "$("$bin" --version)" = "ombrix-report ${OMBRIX_VERSION:?version of the project}" ]
check "--version shows the project's version" $?
"$bin" "$(printf '27. Okt\xff 1980')" >/dev/null 2>&1; check "invalid UTF-8 does not break the date" $?

long=$(printf '27.10.1980%*s' 99990 '')
"$bin" "$long" >/dev/null 2>&1; check "a date of 100,000 characters reads its first 255" $?
"$bin" "$(head -c 100000 /dev/zero | tr '\0' '9')" >/dev/null 2>"$tmp/err"; status=$?
[ "$status" = 2 ] && [ "$(wc -l <"$tmp/err")" = 3 ]; check "100,000 digits are rejected with the error box" $?
"$bin" "" >/dev/null 2>&1; [ $? = 2 ]; check "an empty date is rejected" $?

finish
