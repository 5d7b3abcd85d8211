#!/usr/bin/env bash
# Every word of every knowledge-base table is in Debian's Estonian hunspell
# dictionary (package myspell-et) or on the allow-list, and every word on the
# allow-list is still needed. Prints each offending word with its table and
# the first line that holds it.
set -u
kb=${KB_DIR:?folder of the knowledge-base tables}
allow=${ALLOW_LIST:-$kb/spelling-allow.list}
dictionary=/usr/share/hunspell/et_EE
export LC_ALL=C.UTF-8
if ! command -v hunspell >/dev/null || [ ! -r $dictionary.dic ]; then
  echo "hunspell or its Estonian dictionary is missing: run scripts/install-deps"
  exit 1
fi

# An entry is one or more words, then "#" and the reason.
allowed=$(sed 's/#.*//' "$allow" | tr -s ' \t' '\n\n' | sed '/^$/d' | sort -u)
# One run of hunspell over all tables: loading the dictionary is the slow part.
unknown=$(cat "$kb"/*.txt | hunspell -d $dictionary -i utf-8 -l | sort -u)
failed=0
for word in $unknown; do
  grep -qxF -- "$word" <<<"$allowed" && continue
  echo "not in the dictionary: $(cd "$kb" && grep -nwF -- "$word" *.txt | head -1 | cut -d: -f1,2): $word"
  failed=1
done
for word in $allowed; do
  grep -qxF -- "$word" <<<"$unknown" && continue
  echo "on the allow-list but in no table (or in the dictionary): $word"
  failed=1
done
[ $failed = 0 ] && echo "every word of the tables passes the spelling check"
exit $failed
