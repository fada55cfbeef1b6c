#!/usr/bin/env bash
# Writes the manual page orvex-setup(1) from the program's own --help, command by command, so the
# page lists exactly the commands and arguments the program takes; the sections no help text
# holds (exit status, files, examples) come from a hand-written roff file.
#   make-manpage.sh PROGRAM SECTIONS.roff OUTPUT
set -euo pipefail
program=$1 sections=$2 output=$3
name=orvex-setup

# Help text as "kind<TAB>name<TAB>description" rows: usage, positional, option, command.
help_rows() {
  "$program" "$@" --help | awk '
    NR == 1 { print "about\t\t" $0; next }
    /^Usage: / { sub(/^Usage: [^[]*\[OPTIONS\] ?/, ""); print "usage\t\t" $0; next }
    /^Positionals:/ { kind = "positional"; next }
    /^Options:/ { kind = "option"; next }
    /^Subcommands:/ { kind = "command"; next }
    /^  [^ ]/ {
      line = substr($0, 3)
      split(line, parts, /  +/)
      name = parts[1]; sub(/ .*/, "", name)
      description = substr(line, length(parts[1]) + 1); sub(/^ +/, "", description)
      if (name != "-h,--help") print kind "\t" name "\t" description
    }'
}

field() { cut -f"$1"; }
escape() { sed -e 's/\\/\\e/g' -e "s/^[.']/\\\\\\&&/" -e 's/-/\\-/g'; }

# One command: its synopsis, what it does, then its arguments and options.
describe_command() {
  local prefix=$1; shift
  local rows usage about
  rows=$(help_rows "$@")
  about=$(grep -P '^about\t' <<<"$rows" | field 3)
  usage=$(grep -P '^usage\t' <<<"$rows" | field 3 | sed 's/ *SUBCOMMAND$//')
  printf '.TP\n.B %s\n' "$(escape <<<"$prefix${usage:+ $usage}")"
  printf '%s\n' "$(escape <<<"$about")."
  local any=0 kind name description
  while IFS=$'\t' read -r kind name description; do
    [[ $kind == positional || $kind == option ]] || continue
    ((any)) || printf '.RS\n'; any=1
    printf '.TP\n.I %s\n%s\n' "$(escape <<<"$name")" "$(escape <<<"${description:-}")"
  done <<<"$rows"
  ((any)) && printf '.RE\n'
  return 0
}

{
  version=$("$program" --version)
  printf '.TH ORVEX\\-SETUP 1 "" "%s" "User Commands"\n' "$(escape <<<"$version")"
  printf '.SH NAME\n%s \\- %s\n' "$name" "$(help_rows | grep -P '^about\t' | field 3 | sed 's/\.$//; s/^./\L&/' | escape)"
  printf '.SH SYNOPSIS\n.B %s\n.I COMMAND\n.RI [ ARGUMENTS ]\n.br\n.B %s\n.RB [ \\-\\-help | \\-\\-version ]\n' "$name" "$name"
  printf '.SH DESCRIPTION\n'
  printf '%s\n' "$(help_rows | grep -P '^about\t' | field 3 | escape)"
  printf 'Each command is described below; %s\n.I COMMAND\n.B \\-\\-help\nprints the same.\n' "$name"
  printf '.SH OPTIONS\n.TP\n.B \\-h, \\-\\-help\nPrint the help and exit.\n.TP\n.B \\-\\-version\nPrint the version and exit.\n'
  printf '.SH COMMANDS\n'
  while IFS=$'\t' read -r _ command _; do
    describe_command "$command" "$command"
    # Commands with commands of their own: "ini FILE get ...".
    sub_rows=$(help_rows "$command" | grep -P '^command\t' || true)
    if [[ -n $sub_rows ]]; then
      parent_usage=$(help_rows "$command" | grep -P '^usage\t' | field 3 | sed 's/ *SUBCOMMAND$//')
      printf '.RS\n'
      while IFS=$'\t' read -r _ sub _; do
        describe_command "$command $parent_usage $sub" "$command" x "$sub"
      done <<<"$sub_rows"
      printf '.RE\n'
    fi
  done < <(help_rows | grep -P '^command\t')
  cat "$sections"
} >"$output.tmp"
mv "$output.tmp" "$output"
