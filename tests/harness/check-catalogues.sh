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
sources_halvane="model panel pages profiles"
sources_tpxui="notifier"

if [ "${1:-}" = --update ]; then
  for program in halvane tpxui; do
    eval "dirs=\$sources_$program"
    for lang in $languages; do
      # shellcheck disable=SC2086
      "$lupdate" -silent -locations none -no-obsolete $dirs \
        -ts "resources/translations/${program}_$lang.ts"
    done
  done
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for program in halvane tpxui; do
  eval "dirs=\$sources_$program"
  for lang in $languages; do
    catalogue="resources/translations/${program}_$lang.ts"
    if [ ! -f "$catalogue" ]; then
      echo "missing catalogue $catalogue"
      failed=1
      continue
    fi
    cp "$catalogue" "$work/${program}_$lang.ts"
    # shellcheck disable=SC2086
    "$lupdate" -silent -locations none -no-obsolete $dirs -ts "$work/${program}_$lang.ts"
    if ! python3 - "$work/${program}_$lang.ts" "$catalogue" <<'PY'
import sys, xml.etree.ElementTree as ET
path, shown = sys.argv[1], sys.argv[2]
bad = []
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
  done
done
[ $failed = 0 ] && echo "every source text is translated in all six languages of both programs"
exit $failed
