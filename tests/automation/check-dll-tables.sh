#!/usr/bin/env bash
# What a host's loader and regsvr32 read from the automation server's file, checked without
# running it (no 32-bit program runs on the machines that build the 32-bit DLL):
#   check-dll-tables.sh <KelmarGUIHelper.dll> pei-i386|pei-x86-64
# its format, its four exports under their plain names, and imports from the system's DLLs only.
set -euo pipefail
dll="$1" format="$2"
fail() { echo "FAIL: $dll: $*" >&2; exit 1; }
headers="$(x86_64-w64-mingw32-objdump -p "$dll")"
file_format="$(x86_64-w64-mingw32-objdump -f "$dll" | sed -n 's/.*file format //p')"
[[ "$file_format" == "$format" ]] || fail "file format $file_format, not $format"
exports="$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort | tr '\n' ' ')"
[[ "$exports" == "DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer " ]] ||
  fail "exports: $exports"
system='^(ACTIVEDS|ADVAPI32|COMCTL32|COMDLG32|GDI32|KERNEL32|OLE32|OLEAUT32|SHELL32|SHLWAPI|USER32|VERSION|WINDOWSCODECS|MSVCRT|API-MS-WIN-CRT-[A-Z0-9-]+)\.DLL$'
while read -r imported; do
  [[ "${imported^^}" =~ $system ]] || fail "imports $imported, which is not a system DLL"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
echo "$dll: $format, the four exports, system imports only"
