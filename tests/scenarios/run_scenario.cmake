# Runs one scenario script and compares its output with the expected file.
# Called by ctest with -DCLI -DSCRIPT -DEXPECTED -DARGS_FILE -DFIXTURES
# -DSCENARIO_DATA -DWORK_DIR.

cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

set(args script ${SCRIPT} --settings ${WORK_DIR}/settings.ini)
if(EXISTS ${ARGS_FILE})
  file(STRINGS ${ARGS_FILE} lines)
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    endif()
    string(REPLACE "@FIXTURES@" "${FIXTURES}" line "${line}")
    string(REPLACE "@SCENARIO_DATA@" "${SCENARIO_DATA}" line "${line}")
    # "--option value": the value may hold blanks.
    if(line MATCHES "^([^ ]+) (.*)$")
      list(APPEND args "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}")
    else()
      list(APPEND args "${line}")
    endif()
  endforeach()
endif()

execute_process(COMMAND ${CLI} ${args}
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE status)
set(actual "${out}exit ${status}\n")
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${WORK_DIR}/actual.txt "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${WORK_DIR}/actual.txt)
  message(FATAL_ERROR "scenario output differs from ${EXPECTED} (standard error: ${err})")
endif()
