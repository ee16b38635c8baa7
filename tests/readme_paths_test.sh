#!/usr/bin/env bash
# Every repository path the README names is there: a word such as
# `engine/case/Units.cpp` or docs/main-window.png whose first folder is one
# of the repository's, and a source file named alone (`Bindings.cpp`), which
# must be somewhere in the tree. Paths of the build, the system and the
# user's home are not the repository's and are left alone.
# Usage: readme_paths_test.sh SOURCE_DIR
set -euo pipefail
src=$1
if git -C "$src" rev-parse -q --verify HEAD > /dev/null 2>&1; then
  tops=$(git -C "$src" ls-files | sed -n 's|/.*||p' | sort -u)
else
  tops=$(cd "$src" && ls -d -- */ .[!.]*/ 2>/dev/null | sed 's|/$||' | grep -v '^build')
fi
missing=0
while read -r word; do
  word=${word%%[.,:;]}
  [ -n "$word" ] || continue
  if grep -qxF -- "${word%%/*}" <<< "$tops"; then
    [ -e "$src/$word" ] || { echo "README names $word, which is not in the repository"; missing=1; }
  fi
done < <(grep -oE '[A-Za-z0-9_.-]+/[A-Za-z0-9_./-]*' "$src/README.md" | sort -u)
while read -r name; do
  [ -n "$(find "$src" -path "$src/build*" -prune -o -name "$name" -print -quit)" ] ||
    { echo "README names $name, which no folder of the repository holds"; missing=1; }
done < <(grep -oE '`[A-Za-z0-9_-]+\.(cpp|h|sh|mjs|cmake)`' "$src/README.md" | tr -d '`' | sort -u)
exit $missing
