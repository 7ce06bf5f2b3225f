#!/usr/bin/env bash
# Fails when a tracked C++ file differs from the committed .clang-format style.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard '*.cpp' '*.h')
((${#files[@]})) || exit 0
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files clean"
