# Runs one scenario script through `pilecorr --script` on the real widgets
# and compares its output with the headless driver's expected file. Called by
# ctest with -DPROGRAM -DNAME -DSCRIPT -DEXPECTED -DARGS_FILE -DDIFFERENCES
# -DFIXTURES -DSCENARIO_DATA -DWORK_DIR, and optionally -DLOCALE.

cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

set(args --script ${SCRIPT} --settings ${WORK_DIR}/settings.ini)
if(EXISTS ${ARGS_FILE})
  file(STRINGS ${ARGS_FILE} lines)
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    endif()
    string(REPLACE "@FIXTURES@" "${FIXTURES}" line "${line}")
    string(REPLACE "@SCENARIO_DATA@" "${SCENARIO_DATA}" line "${line}")
    if(line MATCHES "^([^ ]+) (.*)$")
      list(APPEND args "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}")
    else()
      list(APPEND args "${line}")
    endif()
  endforeach()
endif()

set(launcher)
if(LOCALE)
  execute_process(COMMAND locale -a OUTPUT_VARIABLE installed)
  string(TOLOWER "${installed}" installed)
  string(TOLOWER "${LOCALE}" wanted)
  string(REPLACE "utf-8" "utf8" wanted "${wanted}")
  if(NOT installed MATCHES "(^|\n)${wanted}(\n|$)")
    message(FATAL_ERROR "the locale ${LOCALE} is not installed (scripts/install-deps generates it)")
  endif()
  set(launcher ${CMAKE_COMMAND} -E env LC_ALL=${LOCALE} LANG=${LOCALE})
endif()

execute_process(COMMAND ${launcher} ${PROGRAM} ${args}
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE status)
set(actual "${out}exit ${status}\n")
file(READ ${EXPECTED} expected)

# The documented differences of this scenario.
file(STRINGS ${DIFFERENCES} rules)
foreach(rule IN LISTS rules)
  if(rule MATCHES "^#" OR NOT rule MATCHES "^([^ ]+) +([^ ]+)")
    continue()
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL NAME)
    continue()
  endif()
  set(start "${CMAKE_MATCH_2}")
  message(STATUS "left out as a toolkit difference: lines of ${NAME} starting with ${start}")
  foreach(var actual expected)
    string(REGEX REPLACE "\n" ";" list_lines "${${var}}")
    set(kept)
    foreach(l IN LISTS list_lines)
      string(FIND "${l}" "${start}" at)
      if(NOT at EQUAL 0)
        string(APPEND kept "${l}\n")
      endif()
    endforeach()
    set(${var} "${kept}")
  endforeach()
endforeach()

if(NOT actual STREQUAL expected)
  file(WRITE ${WORK_DIR}/actual.txt "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${WORK_DIR}/actual.txt)
  message(FATAL_ERROR "the real window printed other output than ${EXPECTED} (standard error: ${err})")
endif()
