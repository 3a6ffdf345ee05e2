# What zorvane-cli adds to the engine, one case a run: options, arguments,
# standard input, standard error and exit statuses. The expression language
# itself is checked by the engine's tables.

# Arguments: one line each, in order; options anywhere apply to all; a
# leading "-" makes an expression, "--" ends the options, "-" reads input.
cli_case(arguments.in_order ARGS 1+2 2*3 8/2/2 OUT "3\n6\n2\n")
cli_case(arguments.minus_is_no_option ARGS -2^2 -1 OUT "-4\n-1\n")
cli_case(arguments.options_apply_to_all ARGS 1/4 --fix-e SIN30 --deg OUT "2.5E-01\n5E-01\n")
cli_case(arguments.small_letters_are_capitals ARGS --deg tan45 sin30 pi OUT "1\n0.5\n3.141592654\n")
# After "--" the option's text is an expression: --DEG collapses to +DEG,
# and radians are the default, in which 30 is beyond SIN's range.
cli_case(arguments.after_double_dash ARGS -- --deg SIN30 OUT "error\nerror\n" STATUS 1)
cli_case(arguments.double_dash_keeps_options ARGS --deg -- SIN30 OUT "0.5\n")
cli_case(arguments.blank ARGS 1+2 "   " OUT "3\n\n")
# A line break is taken as Ctrl+Enter puts it in the Input Box.
cli_case(arguments.line_break ARGS "1\n+2" "1\r\n+2" "2*\n\n3" "\n" OUT "3\n3\n6\n\n")
cli_case(arguments.dash_reads_input ARGS 1 - 2 IN "3*3\n4" OUT "1\n9\n4\n2\n")
cli_case(arguments.dash_twice ARGS - - 5 IN "3*3\n" OUT "9\n5\n")
cli_case(arguments.unknown_option ARGS 1+2 --DEG OUT "" STATUS 2
  ERR "zorvane-cli: unknown option '--DEG'\nTry 'zorvane-cli --help'.\n")
cli_case(arguments.usage_error_reads_no_input ARGS --deg=1 IN "1+2\n" OUT "" STATUS 2
  ERR_MATCH "^zorvane-cli: unknown option '--deg=1'\n")

# Help names every option and evaluates nothing.
set(help_text "^Usage: zorvane-cli .*--deg.*--fix-e.*--trace.*--explain.*--help.*--version.*--  ")
cli_case(help ARGS 1+2 --help OUT_MATCH "${help_text}")
cli_case(help_short ARGS 1/0 -h OUT_MATCH "${help_text}")
cli_case(version ARGS --version OUT "zorvane-cli ${VERSION}\n")

# Standard input: exactly one line out per line in (CR LF, blank lines, NUL,
# bytes that are no text, no line break at the end).
cli_case(input.lines IN_FILE lines.in OUT_FILE lines.out STATUS 1)
cli_case(input.empty IN "" OUT "" STATUS 0)
cli_case(input.byte_order_mark IN_FILE bom.in OUT "3\nerror\n" STATUS 1)
string(REPEAT "1+" 50000 long_sum)
string(REPEAT "0" 100000 long_zeros)
cli_case(input.long_lines IN "${long_sum}1\n${long_sum}\n0.${long_zeros}\n"
  OUT "50001\nerror\n0\n" STATUS 1)

# Output that cannot be written.
cli_case(output.full ARGS 1+2 FULL_OUTPUT STATUS 3
  ERR "zorvane-cli: cannot write the output: No space left on device\n")
cli_case(output.full_batch IN "1+2\n" FULL_OUTPUT STATUS 3
  ERR "zorvane-cli: cannot write the output: No space left on device\n")
cli_case(output.full_help ARGS --help FULL_OUTPUT STATUS 3
  ERR "zorvane-cli: cannot write the output: No space left on device\n")

# --trace: every working text on standard error, the function codes named;
# standard output as without it.
cli_case(trace.stages ARGS --deg --trace "2*(1+sin30)" OUT "3\n" ERR "\
wrap       (2*(1+SIN30))
syntax     (2*(1+F[11]30))   F[11]=SIN
function   (2*(1++(5.000000000000000e-001)))
signs      (2*(1+(5.000000000000000e-001)))
bracket    (2*(1+5.000000000000000e-001))
arithmetic (2*(+1.500000000000000e+000))
signs      (2*(1.500000000000000e+000))
bracket    (2*1.500000000000000e+000)
arithmetic (+3.000000000000000e+000)
signs      (3.000000000000000e+000)
")
cli_case(trace.codes_named_once ARGS --trace EXP1+EXP2+LN1 OUT "10.10733793\n"
  ERR_MATCH "\nsyntax +\\(F\\[17\\]1\\+F\\[17\\]2\\+F\\[18\\]1\\)   F\\[17\\]=EXP F\\[18\\]=LN\n")
# The last line says why the evaluation failed.
cli_case(trace.failure ARGS --trace LN0 OUT "error\n" STATUS 1
  ERR_MATCH "^wrap +\\(LN0\\)\n.*\nerror: [^\n]+\n$")

# --explain: one line on standard error for each failed evaluation, nothing
# else; standard output and the exit status as without it.
cli_case(explain.one_line_per_failure ARGS --explain 1/0 2 "2*()" 3 LN0 OUT "error\n2\nerror\n3\nerror\n"
  STATUS 1 ERR_MATCH "^error: [^\n]+\nerror: [^\n]+\nerror: [^\n]+\n$")
cli_case(explain.nothing_when_all_succeed ARGS --explain 1+2 IN "" OUT "3\n")
cli_case(explain.batch IN "1+2\n1/0\n\n" ARGS --explain OUT "3\nerror\n\n" STATUS 1
  ERR_MATCH "^error: [^\n]+\n$")

# The reasons themselves come from the engine, through its trace hook; the
# engine's tables check every reason, these check that they reach the user.
function(cli_reason name reason)
  cli_case(reason.${name} ARGS --explain ${ARGN} OUT "error\n" ERR "error: ${reason}\n" STATUS 1)
endfunction()
cli_reason(domain "LN needs a positive argument, got 0" LN0)
cli_reason(range "result 1E+101 is outside ±1E+100" 10^101)
cli_reason(brackets "3 \"(\" but 1 \")\" — only one missing \")\" is supplied" "((1+(2)")
