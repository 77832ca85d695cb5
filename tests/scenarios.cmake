# Scenario tests: each tests/scenarios/NAME.script runs through
# `pilecorr-cli script` and its standard output plus a last line
# "exit STATUS" must equal tests/scenarios/NAME.expected. An optional
# NAME.args holds more arguments, one option (with its value) a line; in it
# @FIXTURES@ stands for the built test catalogues (build/fixtures),
# @SAMPLE@ for the folder of the shipped sample catalogue (build/sample) and
# @SCENARIO_DATA@ for the scenario folders made below. Every run gets a fresh
# settings file of its own, so that no run depends on another; NAME.settings
# prepares it before the run and NAME.settings.expected is what the run must
# leave in it (see scenarios/run_scenario.cmake). A script may write a file
# into its run's folder, named @WORK_DIR@ in the script, as
# @WORK_DIR@/report.txt; NAME.file.expected is then what that file must hold,
# byte for byte.
#
# Every scenario runs twice: once in the C locale and once under the comma
# locale de_DE.UTF-8 that most users have (scenario_de.NAME), with the very same
# expected output: the user's decimal separator is a setting of its own, never
# the process's LC_NUMERIC.

set(PILECORR_SCENARIO_DATA ${CMAKE_BINARY_DIR}/scenario-data)
# A folder without any catalogue, and one whose catalogue is not a catalogue.
file(MAKE_DIRECTORY ${PILECORR_SCENARIO_DATA}/empty)
file(WRITE "${PILECORR_SCENARIO_DATA}/damaged/SSP Pilecorr.pkd"
     "This text stands where a catalogue file should be.\n")

file(GLOB PILECORR_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/scenarios/*.script)

# Adds PREFIX.NAME (C locale) and PREFIX_de.NAME (de_DE.UTF-8) for every
# scenario, run by PROGRAM; further arguments are passed on to the runner.
function(pilecorr_add_scenario_tests prefix program)
  foreach(script ${PILECORR_SCENARIOS})
    get_filename_component(name ${script} NAME_WE)
    get_filename_component(dir ${script} DIRECTORY)
    foreach(locale C de_DE.UTF-8)
      set(test ${prefix}.${name})
      set(runs ${CMAKE_BINARY_DIR}/${prefix}-runs/${name})
      set(locale_arg)
      if(NOT locale STREQUAL C)
        set(test ${prefix}_de.${name})
        set(runs ${CMAKE_BINARY_DIR}/${prefix}-runs-de/${name})
        set(locale_arg -DLOCALE=${locale})
      endif()
      add_test(NAME ${test}
               COMMAND ${CMAKE_COMMAND}
                       -DCLI=${program}
                       -DNAME=${name}
                       -DSCRIPT=${script}
                       -DEXPECTED=${dir}/${name}.expected
                       -DARGS_FILE=${dir}/${name}.args
                       -DFIXTURES=${CMAKE_BINARY_DIR}/fixtures
                       -DSAMPLE=${CMAKE_BINARY_DIR}/sample
                       -DSCENARIO_DATA=${PILECORR_SCENARIO_DATA}
                       -DWORK_DIR=${runs}
                       ${locale_arg}
                       ${ARGN}
                       -P ${CMAKE_CURRENT_SOURCE_DIR}/scenarios/run_scenario.cmake)
    endforeach()
  endforeach()
endfunction()

pilecorr_add_scenario_tests(scenario $<TARGET_FILE:pilecorr-cli>)
