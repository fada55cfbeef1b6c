#!/usr/bin/env bash
# The Windows cross build: installs mingw-w64 and Wine if missing, builds the x86_64 and i686
# flavours, runs the x86_64 tests under Wine, and checks what can be checked of the i686 DLL without
# running it (no 32-bit program runs on these machines).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows
cmake --preset mingw64
cmake --build --preset mingw64
ctest --preset mingw64
cmake --preset mingw32
cmake --build --preset mingw32
# What can be checked of the 32-bit DLL without running it: the type library (loaded as data by
# the 64-bit identity test) and the resources, then the export and import tables of both DLLs.
dll32="Z:$PWD/build/mingw32/automation/KelmarGUIHelper.dll"
(cd build/mingw64/tests/automation &&
  KGH_SERVER_DLL="${dll32//\//\\}" bash "$OLDPWD/scripts/wine-run.sh" tst_automation_identity.exe)
bash tests/automation/check-dll-tables.sh build/mingw64/automation/KelmarGUIHelper.dll pei-x86-64
bash tests/automation/check-dll-tables.sh build/mingw32/automation/KelmarGUIHelper.dll pei-i386
