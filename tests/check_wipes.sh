#!/usr/bin/env bash
# The engines wipe their block scratch and finished contexts. A wipe of memory that is never
# read again is a dead store an optimising compiler may delete, so look at the machine code:
# each function that wipes must still store zeros after optimisation.
# Usage: check_wipes.sh <objdump> <library>
set -euo pipefail
objdump=$1
library=$2
failed=0
for fn in MD5Transform MD2Transform MD5Final MD2Final; do
  stores=$("$objdump" -d --no-show-raw-insn -C "$library" |
    awk -v fn="$fn" '/^[0-9a-f]+ <.*>:$/ { inside = index($0, "<" fn "(") > 0 } inside' |
    grep -cE 'mov[bwlq]?[[:space:]]+[$]0x0,' || true)
  if [ "$stores" -eq 0 ]; then
    echo "FAIL: $fn stores no zeros: its wipe was optimised away"
    failed=1
  else
    echo "ok: $fn wipes ($stores zero stores)"
  fi
done
exit $failed
