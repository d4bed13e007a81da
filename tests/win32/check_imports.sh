#!/usr/bin/env bash
# Checks that each program imports only DLLs that Windows 7 SP1 has, and none of the functions
# that Windows 7 lacks, which the front end looks up at run time instead.
# Usage: check_imports.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift
here=$(dirname "$0")
status=0
for program in "$@"; do
  imports=$("$objdump" -p "$program" | awk '
    /DLL Name:/ { dll = toupper($3); next }
    dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $NF }')
  [ -n "$imports" ] || { echo "FAIL: no imports read from $program"; exit 1; }
  while read -r dll; do
    grep -qixF "$dll" "$here/windows7_dlls.txt" ||
      { echo "FAIL: $(basename "$program") imports $dll"; status=1; }
  done < <(cut -d' ' -f1 <<<"$imports" | sort -u)
  while read -r function; do
    if grep -qxF "$function" <(grep -v '^#' "$here/newer_than_windows7.txt"); then
      echo "FAIL: $(basename "$program") imports $function, which Windows 7 lacks"
      status=1
    fi
  done < <(cut -d' ' -f2 <<<"$imports")
  echo "$(basename "$program"): $(wc -l <<<"$imports") imports from $(cut -d' ' -f1 <<<"$imports" | sort -u | tr '\n' ' ')"
done
exit $status
