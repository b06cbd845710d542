#!/bin/bash
# Checks that every source text of both programs has a finished translation
# in each of the six catalogues (lupdate run over the sources into copies).
#   check-catalogues.sh            check; list what is missing, exit 1 if any
#   check-catalogues.sh --update   refresh resources/translations/ in place
set -eu
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top"
lupdate=$(command -v lupdate || true)
[ -x /usr/lib/qt5/bin/lupdate ] && lupdate=/usr/lib/qt5/bin/lupdate
if [ -z "$lupdate" ]; then
  echo "check-catalogues: lupdate is missing (package qttools5-dev-tools)" >&2
  exit 1
fi

languages="en fr de it pt es"
sources_of() {
  case "$1" in
    halvane) echo "model panel pages profiles" ;;
    tpxui) echo "notifier" ;;
  esac
}
logs=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$logs" "$work"' EXIT

# lupdate runs over the sources into each of the twelve catalogues; the runs
# are independent, so they run at once.
#   run_lupdate CATALOGUE-COPY-DIR  (empty: the catalogues in place)
run_lupdate() {
  local into=$1 program lang ts pids=() i status=0
  for program in halvane tpxui; do
    for lang in $languages; do
      ts="resources/translations/${program}_$lang.ts"
      [ -n "$into" ] && ts="$into/${program}_$lang.ts"
      [ -z "$into" ] || [ -f "$ts" ] || continue
      # shellcheck disable=SC2046
      "$lupdate" -silent -locations none -no-obsolete $(sources_of "$program") -ts "$ts" \
        >"$logs/${#pids[@]}" 2>&1 &
      pids+=($!)
    done
  done
  for i in "${!pids[@]}"; do
    wait "${pids[$i]}" || { cat "$logs/$i" >&2; status=1; }
  done
  return $status
}

if [ "${1:-}" = --update ]; then
  run_lupdate ""
  exit
fi

failed=0
copies=()
for program in halvane tpxui; do
  for lang in $languages; do
    catalogue="resources/translations/${program}_$lang.ts"
    if [ ! -f "$catalogue" ]; then
      echo "missing catalogue $catalogue"
      failed=1
      continue
    fi
    cp "$catalogue" "$work/${program}_$lang.ts"
    copies+=("$work/${program}_$lang.ts" "$catalogue")
  done
done
run_lupdate "$work" || failed=1
if ! python3 - "${copies[@]}" <<'PY'
import sys, xml.etree.ElementTree as ET
args = sys.argv[1:]
bad = []
for path, shown in zip(args[0::2], args[1::2]):
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            tr = message.find('translation')
            kind = tr.get('type') if tr is not None else 'missing'
            if tr is None or kind == 'unfinished' or not (tr.text or '').strip():
                bad.append(f'{shown}: {name}: "{message.findtext("source")}" has no finished translation')
print('\n'.join(bad)) if bad else None
sys.exit(1 if bad else 0)
PY
then failed=1; fi
[ $failed = 0 ] && echo "every source text is translated in all six languages of both programs"
exit $failed
