# Runs one scenario script and compares its output with the expected file.
# Called by ctest with -DCLI -DSCRIPT -DEXPECTED -DARGS_FILE -DFIXTURES
# -DSAMPLE -DSCENARIO_DATA -DWORK_DIR, and optionally -DLOCALE (the process locale of
# the run, which must be installed: scripts/install-deps generates it).
#
# Every run reads and writes the settings file WORK_DIR/settings.ini, fresh for
# the run. A scenario NAME may start from a prepared one, NAME.settings beside
# its script, and may check what its close wrote: NAME.settings.expected must
# then equal the settings file after the run.
#
# A scenario may write a file of its own: its script names the run's folder
# @WORK_DIR@ (for example `answer-file @WORK_DIR@/report.txt`), and
# NAME.file.expected, when it exists, must then equal WORK_DIR/report.txt
# byte for byte (the report file's CR LF and 8-bit characters included).
#
# The Qt program plays the same scripts on its real window: then CLI is
# `pilecorr`, -DSCRIPT_OPTION=--script stands where `script` stands for the
# headless driver, and -DNAME with -DDIFFERENCES names the documented list of
# lines that may differ for a reason the toolkit imposes (tests/gui/).

cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

string(REGEX REPLACE "\\.script$" ".settings" PREPARED_SETTINGS "${SCRIPT}")
set(EXPECTED_SETTINGS "${PREPARED_SETTINGS}.expected")
if(EXISTS ${PREPARED_SETTINGS})
  configure_file(${PREPARED_SETTINGS} ${WORK_DIR}/settings.ini COPYONLY)
endif()

file(READ ${SCRIPT} script_text)
if(script_text MATCHES "@WORK_DIR@")
  string(REPLACE "@WORK_DIR@" "${WORK_DIR}" script_text "${script_text}")
  get_filename_component(script_name ${SCRIPT} NAME)
  file(WRITE ${WORK_DIR}/${script_name} "${script_text}")
  set(SCRIPT ${WORK_DIR}/${script_name})
endif()
string(REGEX REPLACE "\\.expected$" ".file.expected" EXPECTED_FILE "${EXPECTED}")

if(NOT DEFINED SCRIPT_OPTION)
  set(SCRIPT_OPTION script)
endif()
set(args ${SCRIPT_OPTION} ${SCRIPT} --settings ${WORK_DIR}/settings.ini)
if(EXISTS ${ARGS_FILE})
  file(STRINGS ${ARGS_FILE} lines)
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    endif()
    string(REPLACE "@FIXTURES@" "${FIXTURES}" line "${line}")
    string(REPLACE "@SAMPLE@" "${SAMPLE}" line "${line}")
    string(REPLACE "@SCENARIO_DATA@" "${SCENARIO_DATA}" line "${line}")
    # "--option value": the value may hold blanks.
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

execute_process(COMMAND ${launcher} ${CLI} ${args}
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE status)
set(actual "${out}exit ${status}\n")
file(READ ${EXPECTED} expected)

# The documented differences of this scenario: its lines that start with a
# listed text are left out of both outputs.
if(DEFINED DIFFERENCES)
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
    # Line by line without CMake lists, which would split at ";" and keep
    # "[...]" together.
    foreach(var actual expected)
      set(kept "")
      set(rest "${${var}}")
      while(NOT rest STREQUAL "")
        string(FIND "${rest}" "\n" nl)
        if(nl EQUAL -1)
          set(line "${rest}")
          set(rest "")
        else()
          string(SUBSTRING "${rest}" 0 ${nl} line)
          math(EXPR next "${nl} + 1")
          string(SUBSTRING "${rest}" ${next} -1 rest)
        endif()
        string(FIND "${line}" "${start}" at)
        if(NOT at EQUAL 0)
          string(APPEND kept "${line}\n")
        endif()
      endwhile()
      set(${var} "${kept}")
    endforeach()
  endforeach()
endif()

if(NOT actual STREQUAL expected)
  file(WRITE ${WORK_DIR}/actual.txt "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${WORK_DIR}/actual.txt)
  message(FATAL_ERROR "scenario output differs from ${EXPECTED} (standard error: ${err})")
endif()

if(EXISTS ${EXPECTED_SETTINGS})
  if(NOT EXISTS ${WORK_DIR}/settings.ini)
    message(FATAL_ERROR "the run wrote no settings file, ${EXPECTED_SETTINGS} expects one")
  endif()
  file(READ ${EXPECTED_SETTINGS} expected_settings)
  file(READ ${WORK_DIR}/settings.ini written_settings)
  if(NOT written_settings STREQUAL expected_settings)
    execute_process(COMMAND diff -u ${EXPECTED_SETTINGS} ${WORK_DIR}/settings.ini)
    message(FATAL_ERROR "the settings file written differs from ${EXPECTED_SETTINGS}")
  endif()
endif()

if(EXISTS ${EXPECTED_FILE})
  set(written_file ${WORK_DIR}/report.txt)
  if(NOT EXISTS ${written_file})
    message(FATAL_ERROR "the run wrote no ${written_file}, ${EXPECTED_FILE} expects one")
  endif()
  file(READ ${EXPECTED_FILE} expected_bytes HEX)
  file(READ ${written_file} written_bytes HEX)
  if(NOT written_bytes STREQUAL expected_bytes)
    execute_process(COMMAND diff -u ${EXPECTED_FILE} ${written_file})
    message(FATAL_ERROR "the file written differs from ${EXPECTED_FILE}")
  endif()
endif()
