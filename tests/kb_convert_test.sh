#!/usr/bin/env bash
# The knowledge-base converter refuses a bad table, naming file, line and
# reason, and converts a good one to code page 1257 with CR LF.
set -u
tool=${KB_CONVERT:?path of kb_convert}
# shellcheck source=tests/check.sh
source "$(dirname "$0")/check.sh"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

refuses() {  # name, id, expected "file:line: error: reason" fragment, content (printf format)
  mkdir -p "$tmp/$1"
  printf "$4" >"$tmp/$1/$2.txt"
  "$tool" "$tmp/out.cpp" "$tmp/$1/$2.txt" 2>"$tmp/err" >/dev/null
  local status=$?
  [ "$status" != 0 ] && grep -q "$tmp/$1/$2.txt:$3" "$tmp/err"
  check "$1" $?
}
refuses letter 5 "3: error: character U+00E9" '\n0 ok\n1 caf\xc3\xa9\n'
refuses quote 5 "2: error: character U+201E" '\n\xe2\x80\x9e\n'
refuses nul 5 "2: error: NUL" '\nab\x00c\n'
refuses cr 5 "1: error: CR" '\r\n0 x\r\n'
refuses start 5 "1: error: the table must begin with a line end" '0 x\n'
refuses end 5 "3: error: the table must end with a line end" '\n0 x\n1 y'
refuses month 32000 "1: error: the table must begin with a TAB" '\n1\tjaanuar\n'
refuses utf8 5 "2: error: malformed UTF-8" '\n\xf5\n'
mkdir -p "$tmp/big"; { printf '\n'; head -c 65534 /dev/zero | tr '\0' 'x'; printf '\n'; } >"$tmp/big/5.txt"
"$tool" "$tmp/out.cpp" "$tmp/big/5.txt" 2>"$tmp/err" >/dev/null
[ $? != 0 ] && grep -q "more than 65535" "$tmp/err"; check "too large" $?

mkdir -p "$tmp/good" "$tmp/raw"
printf '\n0 Õõ Ää Öö Üü Šš Žž\t\n' >"$tmp/good/7.txt"
"$tool" "$tmp/out.cpp" --raw-dir "$tmp/raw" "$tmp/good/7.txt"; check "good table converts" $?
printf '\r\n0 \xd5\xf5 \xc4\xe4 \xd6\xf6 \xdc\xfc \xd0\xf0 \xde\xfe\t\r\n' | cmp -s - "$tmp/raw/7.bin"
check "code page 1257 bytes with CR LF" $?

"$tool" "$tmp/res.cpp" --raw-dir "$tmp/raw" --rc "$tmp/kb.rc" "$tmp/good/7.txt"
check "resource mode converts" $?
grep -qx "7 RCDATA \"$tmp/raw/7.bin\"" "$tmp/kb.rc"; check "resource script names the table's bytes" $?
grep -q "ResourceTable(7)" "$tmp/res.cpp" && ! grep -q "kTable7" "$tmp/res.cpp"
check "resource mode lists the table without its bytes" $?
"$tool" "$tmp/res.cpp" --rc "$tmp/kb.rc" "$tmp/good/7.txt" 2>/dev/null; [ $? != 0 ]
check "resource mode needs the bytes' folder" $?

finish
