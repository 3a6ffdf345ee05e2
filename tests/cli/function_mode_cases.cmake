# What zorvane-cli adds for function mode, log entries and tables, one case a
# run (see run_case.cmake). The function-mode rules themselves (prompt order,
# substitution, the state) are checked by the engine's tables.

# Values go to the prompts in the order in which they come: X0 first, and a
# value that brings in a variable is followed by the value for it. Small
# letters are capitals; each argument is one evaluation.
cli_case(formula.values_to_prompts ARGS --formula=x0*2+x1 3,4 1+1,-1 OUT "10\n3\n")
cli_case(formula.log_shows_the_order ARGS --log --formula X1-X0 1,2 "x2,5"
  OUT "X1-X0=(2)-(1)\n=1\nX1-X0\n=error\n" STATUS 1)
cli_case(formula.value_brings_a_variable ARGS --log --formula X0+1 X1,5
  OUT "X0+1=((5))+1\n=6\n")
# Too few values, values left over, and a formula without variables, which
# takes an empty input. The reasons reach standard error under --explain.
# (An empty argument is written as an empty line of standard input here.)
cli_case(formula.value_count ARGS --explain --formula X0*2+X1 3 3,4,5 - IN "\n" OUT "error\nerror\nerror\n"
  STATUS 1 ERR "error: no value for X1\nerror: 3 values given, the formula asked for 2\nerror: no value for X0\n")
cli_case(formula.no_variables ARGS --explain --formula 1+2 - 7 IN "\n" OUT "3\nerror\n" STATUS 1
  ERR "error: 1 value given, the formula asked for 0\n")
# A reason says in which value, or where in the formula, the fault stands.
cli_case(formula.reason_in_a_value ARGS --explain --formula X0*2+X1 "1,$" "1," OUT "error\nerror\n"
  STATUS 1 ERR "\
error: \"$\" is not a number, operator, bracket or function (in the value of X1, line 1, column 1)
error: no value was given for X1 (in the formula, line 1, column 6)
")
# A formula that holds a comma fails whatever the values: the engine's reason.
cli_case(formula.comma ARGS --explain --formula X0,1 1 OUT "error\n" STATUS 1
  ERR "error: the stored formula holds a \",\", which function mode cannot read\n")
# Standard input: one line out per line in, as in batch mode; "-" reads it at
# its place.
string(ASCII 239 187 191 byte_order_mark)
cli_case(formula.standard_input ARGS --formula X0/X1 6,3 - IN "${byte_order_mark}1,4\r\n\n1,0\n8,2" OUT "2\n0.25\nerror\nerror\n4\n"
  STATUS 1)
# A value that would multiply the formula's length at every prompt is refused.
string(REPEAT X1 1000 thousand_x1)
string(REPEAT X2 3000 many_x2)
cli_case(formula.growth_refused ARGS --explain --formula X0 "${thousand_x1},${many_x2},1" OUT "error\n"
  STATUS 1 ERR "error: the value for X1 would make the formula 6000000 characters longer, more than 4194304\n")
# --trace shows the working texts of the substituted formula.
cli_case(formula.trace ARGS --trace --formula LNX0 0 OUT "error\n" STATUS 1 ERR "\
wrap       (LN(0))
syntax     (F[18](0))   F[18]=LN
bracket    (F[18]0)   F[18]=LN
error: LN needs a positive argument, got 0
")

# --log: the entry the window writes; a line break in the display text stays;
# nothing to evaluate is an empty line.
cli_case(log.entries ARGS --log 1+2 "1\n+2" - 1/0 IN "\n"
  OUT "1+2\n=3\n1\n+2\n=3\n\n1/0\n=error\n" STATUS 1)
cli_case(log.formula_line_break ARGS --log --formula "X0\n+1" 2 OUT "X0\n+1=(2)\n+1\n=3\n")

# --range: exact decimal steps, TO included when a step lands on it, steps
# down, every combination of two ranges with the first varying slowest.
cli_case(range.decimal_steps ARGS --formula X0 --range X0=0:1:0.1
  OUT "0\n0.1\n0.2\n0.3\n0.4\n0.5\n0.6\n0.7\n0.8\n0.9\n1\n")
cli_case(range.end_not_reached ARGS --log --formula X0 --range x0=-0.5:0.5:0.3
  OUT "X0=(-0.5)\n=-.5\nX0=(-0.2)\n=-.2\nX0=(0.1)\n=0.1\nX0=(0.4)\n=0.4\n")
cli_case(range.two_ranges ARGS --csv --formula X9-X1 --range=X1=10:20:10 --range X9=1:3:1.0
  OUT "X1,X9,result\n10,1,-9\n10,2,-8\n10,3,-7\n20,1,-19\n20,2,-18\n20,3,-17\n")
cli_case(range.fine_and_large ARGS --csv --formula X0 --range X0=99999999.99999998:100000000:.00000001
  OUT "X0,result\n99999999.99999998,100000000\n99999999.99999999,100000000\n100000000,100000000\n")
cli_case(range.finest_place ARGS --csv --formula X0 --range X0=0:0.00000000000000002:0.00000000000000001
  OUT "X0,result\n0,0\n0.00000000000000001,1E-17\n0.00000000000000002,2E-17\n")
cli_case(range.one_value ARGS --formula X0 --range X0=5:5:-1 OUT "5\n")

# Refusals: exit status 2, nothing evaluated, no input read.
function(refused name message)
  cli_case(refused.${name} ARGS ${ARGN} IN "1\n" STATUS 2
    ERR "zorvane-cli: ${message}\nTry 'zorvane-cli --help'.\n")
endfunction()
set(two --formula X0*X1 --range X0=0:1:1 --range)
refused(zero_step "range 'X1=1:2:0': the step is 0" ${two} X1=1:2:0)
refused(runs_away "range 'X1=1:-2:0.5': steps of 0.5 go away from -2" ${two} X1=1:-2:0.5)
refused(too_many_rows "the ranges give 1000002 rows; a table has at most 1000000"
  ${two} X1=1:500001:1)
refused(not_held "range 'X2=1:2:1': the formula holds no X2" ${two} X2=1:2:1)
refused(twice "range 'X0=1:2:1': X0 has a range already" ${two} X0=1:2:1)
refused(shape "range 'X1=1:2': write it as a variable X0 to X9, \"=\" and FROM:TO:STEP, as in X0=0:1:0.1"
  ${two} X1=1:2)
refused(no_variable "range 'XA=1:2:1': write it as a variable X0 to X9, \"=\" and FROM:TO:STEP, as in X0=0:1:0.1"
  ${two} XA=1:2:1)
refused(number "range 'X1=1:2:1e-1': '1e-1' is not a decimal number such as 10, -2.5 or .25"
  ${two} X1=1:2:1e-1)
refused(digits "range 'X1=0:100000000:0.000000001': FROM, TO and STEP written to the same decimal place take more than 17 digits"
  ${two} X1=0:100000000:0.000000001)
refused(too_fine "range 'X1=0:1:0.0000000000000000000000001': FROM, TO and STEP written to the same decimal place take more than 17 digits"
  ${two} X1=0:1:0.0000000000000000000000001)
refused(variable_without_range "the formula holds X1, for which no --range gives values"
  --formula X0*X1 --range X0=0:1:1)
refused(range_and_values "the values come from --range; give none as arguments as well"
  --formula X0 --range X0=1:2:1 5)
refused(range_without_formula "--range gives the values of a formula; store one with --formula"
  --range X0=1:2:1)
refused(log_and_csv "--log and --csv cannot be used together" --log --csv)
refused(formula_without_text "option '--formula' needs a value" --formula)
refused(formula_twice "--formula given twice" --formula X0 --formula X1 1)

# --csv: a header, the values as given, the result; with --explain a reason
# column instead of lines on standard error. Fields are quoted where needed.
cli_case(csv.quoting ARGS --csv --explain ln0 "1+\"" "1\n+2" OUT [[
expression,result,reason
LN0,error,"LN needs a positive argument, got 0"
"1+""",error,""""""" is not a number, operator, bracket or function (line 1, column 3)"
"1
+2",3,
]] STATUS 1)
# Every row has the header's fields: missing values empty, values left over
# with their commas in the last value column.
cli_case(csv.values ARGS --csv --formula X1/X0 2,1 1,2,3 1 OUT [[
X0,X1,result
2,1,0.5
1,"2,3",error
1,,error
]] STATUS 1)

# Output that cannot be written ends the run with status 3, also when the rows
# of a table are not written one at a time.
set(cannot_write "zorvane-cli: cannot write the output: No space left on device\n")
cli_case(formula.full_output ARGS --formula X0 1 FULL_OUTPUT STATUS 3 ERR "${cannot_write}")
cli_case(range.full_output ARGS --formula X0 --range X0=1:100000:1 FULL_OUTPUT STATUS 3
  ERR "${cannot_write}")
