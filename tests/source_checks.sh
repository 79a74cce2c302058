#!/usr/bin/env bash
# Checks over the sources: every include points down the layers (nothing below the adventure
# includes from it), and no comment is a bare step number that only makes sense beside some
# other document.
set -u
ROOT=${1:?source directory}
cd "$ROOT" || exit 2
status=0
up=$(grep -rlE '#include "adventure/' engine ai sound state duel 2>/dev/null)
if [ -n "$up" ]; then echo "includes from adventure/ below it:"; echo "$up"; status=1; fi
steps=$(grep -rnE '//\s*Steps?\s+[0-9]' --include='*.cpp' --include='*.h' \
  engine ai state sound duel adventure app tools tests bench fuzz 2>/dev/null)
if [ -n "$steps" ]; then echo "bare step numbers:"; echo "$steps"; status=1; fi
exit $status
