#!/usr/bin/env bash
# Installs what is missing, builds, makes a sample configuration from the built-in template and
# opens the options dialog on it (under Xvfb when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default -G Ninja
cmake --build --preset default
sample_dir=build/sample
mkdir -p "$sample_dir/site"
tool=build/default/cli/orvex-setup
[ -f "$sample_dir/Orvex.INI" ] || "$tool" create-start-file "$sample_dir/Orvex.INI" default.asp
"$tool" show "$sample_dir/Orvex.INI"
if "$tool" edit --help >/dev/null 2>&1; then
  if [ -n "${DISPLAY:-}" ]; then
    "$tool" edit "$sample_dir/Orvex.INI"
  else
    echo "No display: running the dialog under Xvfb; it closes after ${KGH_MAIN_SECONDS:-5} s."
    timeout "${KGH_MAIN_SECONDS:-5}" xvfb-run -a "$tool" edit "$sample_dir/Orvex.INI" || true
  fi
fi
