#!/usr/bin/env bash
# Holds the C++ lines that are new or changed since BASE to .clang-format;
# the rest of the tree keeps the layout it was written in. BASE is the commit
# this branch left main at (the fork point), and on main itself HEAD, so that
# what is not yet committed is checked. Prints clang-format's changes and
# fails when there are any; apply them with `git clang-format BASE`.
# Usage: scripts/check-format.sh [BASE]
set -euo pipefail
cd "$(dirname "$0")/.."
if ! git rev-parse -q --verify HEAD > /dev/null 2>&1; then
  echo "format: not a git checkout, nothing to compare"
  exit 0
fi
if [ $# -gt 0 ]; then
  base=$1
elif [ "$(git rev-parse --abbrev-ref HEAD)" != main ] && git rev-parse -q --verify main > /dev/null; then
  base=$(git merge-base HEAD main)
else
  base=HEAD
fi
format=clang-format-14
command -v "$format" > /dev/null || format=clang-format
changes=$(git clang-format --binary "$(command -v "$format")" --extensions cpp,h --diff "$base" -- )
case $changes in
  "" | "no modified files to format" | "clang-format did not modify any files")
    echo "format: the lines changed since $(git rev-parse --short "$base") are as .clang-format has them" ;;
  *)
    printf '%s\n' "$changes"
    echo "format: the lines above differ from .clang-format (git clang-format $base applies it)" >&2
    exit 1 ;;
esac
