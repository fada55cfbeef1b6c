# The commands a program lists under "Subcommands:" in its --help, one a line.
#   listed_commands PROGRAM [WORDS...]
listed_commands() {
  "$@" --help | awk '/^Subcommands:/ { on = 1; next } /^$/ { on = 0 } on && /^  [^ ]/ { print $1 }'
}
