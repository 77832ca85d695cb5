# The command line of pilecorr-cli: --help on the program and on every
# command prints its usage to standard output with exit 0, --version prints
# the version, a wrong option or command prints the usage to standard error
# with exit 2. The design commands themselves are tested in
# unit/design_cli_test.cpp.

# NAME, the exit status expected, the stream that must hold the text (stdout
# or stderr; the other must stay empty), a regular expression it must match,
# then the arguments.
include(${CMAKE_CURRENT_SOURCE_DIR}/command_line/program_test.cmake)
function(pilecorr_add_cli_test name status stream pattern)
  pilecorr_add_program_test(cli pilecorr-cli ${name} ${status} ${stream} "${pattern}" ${ARGN})
endfunction()

pilecorr_add_cli_test(help 0 stdout "^Usage: pilecorr-cli COMMAND .*check.*search.*summary.*life.*batch.*catalogue.*script" --help)
pilecorr_add_cli_test(help_short 0 stdout "^Usage: pilecorr-cli COMMAND " -h)
pilecorr_add_cli_test(version 0 stdout "^Pilecorr 2\\.5\\.0\\.3\n$" --version)
pilecorr_add_cli_test(no_command 2 stderr "a command is needed.*Usage: pilecorr-cli COMMAND ")
pilecorr_add_cli_test(unknown_command 2 stderr "unknown command 'frobnicate'.*Usage: pilecorr-cli COMMAND " frobnicate)
pilecorr_add_cli_test(unknown_option 2 stderr "Unknown option 'frobnicate'.*Usage: pilecorr-cli COMMAND " --frobnicate)
foreach(command check search summary life)
  pilecorr_add_cli_test(${command}_help 0 stdout "^Usage: pilecorr-cli ${command} \\[options\\]\n.*--catalogue <FILE>.*--section <NAME>.*--format" ${command} --help)
  pilecorr_add_cli_test(${command}_version 0 stdout "^Pilecorr 2\\.5\\.0\\.3\n$" ${command} --version)
  pilecorr_add_cli_test(${command}_unknown_option 2 stderr "^pilecorr-cli ${command}: Unknown option 'torque'.*Usage: pilecorr-cli ${command} " ${command} --torque 5)
  pilecorr_add_cli_test(${command}_missing_value 2 stderr "^pilecorr-cli ${command}: Missing value after '--moment'.*Usage: pilecorr-cli ${command} " ${command} --moment)
  pilecorr_add_cli_test(${command}_stray_argument 2 stderr "unexpected argument 'extra'.*Usage: pilecorr-cli ${command} " ${command} extra)
endforeach()
pilecorr_add_cli_test(life_takes_no_life 2 stderr "^pilecorr-cli life: Unknown option 'life'" life --life 50)
pilecorr_add_cli_test(search_help_band 0 stdout "--sfmin <SF>.*--sfmax <SF>" search --help)
pilecorr_add_cli_test(summary_help_reduced 0 stdout "--reduced.*--format <csv\\|json>" summary --help)
pilecorr_add_cli_test(batch_help 0 stdout "^Usage: pilecorr-cli batch \\[options\\] FILE.csv\n.*--output <FILE>.*--jobs <N>" batch --help)
pilecorr_add_cli_test(batch_without_file 2 stderr "one file is needed.*Usage: pilecorr-cli batch " batch)
pilecorr_add_cli_test(batch_jobs_zero 2 stderr "--jobs \"0\" is not admissible: a whole number from 1 to 256" batch --jobs 0 cases.csv)
pilecorr_add_cli_test(batch_jobs_nan 2 stderr "--jobs \"nan\" is not admissible" batch --jobs nan cases.csv)
pilecorr_add_cli_test(batch_missing_file 1 stderr "cases-that-are-not-there.csv cannot be read" batch cases-that-are-not-there.csv)
pilecorr_add_cli_test(script_help 0 stdout "^Usage: pilecorr-cli script FILE " script --help)
pilecorr_add_cli_test(script_version 0 stdout "^Pilecorr 2\\.5\\.0\\.3\n$" script --version)
pilecorr_add_cli_test(script_unknown_option 2 stderr "^pilecorr-cli script: unknown option --frobnicate\n$" script x.script --frobnicate)
pilecorr_add_cli_test(catalogue_help 0 stdout "^Usage:\n  pilecorr-cli catalogue dump FILE" catalogue --help)
