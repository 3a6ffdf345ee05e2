# What zorvane-cli adds to the engine, one case a run: options, arguments,
# standard input, standard error and exit statuses. The expression language
# itself is checked by the engine's tables.

# Arguments: one line out each, in order; a leading "-" makes an expression;
# options anywhere apply to all; small letters are capitals.
cli_case(arguments.in_order ARGS 1+2 -2^2 2*3 OUT "3\n-4\n6\n")
cli_case(arguments.options_apply_to_all ARGS 1/4 --fix-e sin30 --deg tan45
  OUT "2.5E-01\n5E-01\n1E+00\n")
# Only a to z are capitals, as in the window: a letter of another alphabet
# stays and is an error (the dotless and the long s are no SIN1, sharp s no SS,
# pi no capital pi, a full-width letter no A).
cli_case(arguments.capitals_a_to_z_only ARGS sin0 "sın1" "ſin1" "ß" "2*π" "ａ" "Ａ"
  OUT "0\nerror\nerror\nerror\nerror\nerror\nerror\n" STATUS 1)
# After "--" an option's text is an expression ("--FIX-E" collapses to
# "+FIX-E"); the options before it still apply.
cli_case(arguments.double_dash ARGS --deg -- --fix-e SIN30 OUT "error\n0.5\n" STATUS 1)
# A line break is taken as Ctrl+Enter puts it in the Input Box.
cli_case(arguments.line_break ARGS "1\n+2" "1\r\n+2" "2*\n\n3" "\n" OUT "3\n3\n6\n\n")
# "-" reads standard input at its place; a second "-" finds it at its end.
cli_case(arguments.dash_reads_input ARGS 1 - 2 - IN "3*3\n4" OUT "1\n9\n4\n2\n")
# Options are matched whole and as written; a usage error evaluates nothing
# and reads no input.
cli_case(arguments.unknown_option ARGS 1+2 --deg=1 --DEG IN "1+2\n" STATUS 2
  ERR "zorvane-cli: unknown option '--deg=1'\nTry 'zorvane-cli --help'.\n")

# Help names every option and evaluates nothing.
cli_case(help ARGS 1/0 -h
  OUT_MATCH "^Usage: zorvane-cli .*--deg.*--fix-e.*--trace.*--explain.*--help.*--version.*--  ")
cli_case(version ARGS --version OUT "zorvane-cli ${VERSION}\n")

# Standard input: exactly one line out per line in (a byte-order mark at the
# start of the input only, CR LF, a lone CR kept, NUL, a byte that is no text,
# no line break at the end).
cli_case(input.lines IN_FILE lines.in OUT "3\n\n6\nerror\nerror\nerror\nerror\n2\n" STATUS 1)
string(REPEAT "1+" 50000 long_sum)
cli_case(input.long_line IN "${long_sum}1\n" OUT "50001\n")

# Output that cannot be written (a closed pipe: closed_pipe.cpp).
set(full_output "zorvane-cli: cannot write the output: No space left on device\n")
cli_case(output.full ARGS 1+2 FULL_OUTPUT STATUS 3 ERR "${full_output}")
cli_case(output.full_batch IN "1+2\n" FULL_OUTPUT STATUS 3 ERR "${full_output}")

# --trace: every working text on standard error, each function code named
# once, and last why the evaluation failed; standard output as without it.
cli_case(trace ARGS --trace "exp(exp(ln0))" OUT "error\n" STATUS 1 ERR "\
wrap       (F[17](F[17](LN0)))   F[17]=EXP
syntax     (F[17](F[17](F[18]0)))   F[17]=EXP F[18]=LN
error: LN needs a positive argument, got 0
")

# --explain: one line on standard error for each failed evaluation, nothing
# else; standard output and the exit status as without it. The engine's tables
# check every reason; this checks that they reach the user.
cli_case(explain ARGS --explain 1+2 LN0 3 1/0 OUT "3\nerror\n3\nerror\n" STATUS 1
  ERR "error: LN needs a positive argument, got 0\nerror: division by zero: 1/0\n")
# A reason that suggests degrees names the option that gives them here.
cli_case(explain.degrees ARGS --explain sin30 "30 deg" OUT "error\nerror\n" STATUS 1 ERR "\
error: SIN takes angles up to 26 radians, got 30. For degrees, use --deg.
error: \"D\" is not a number, operator, bracket or function (line 1, column 4). For degrees, use --deg.
")
