# Fails when PROGRAM depends on the toolkit's test library: what users run
# must not need it. Called by ctest with -DPROGRAM=path and -DLINKED=NAME, a
# library the program is known to be linked with (libQt6Widgets for the Qt
# program), so that a program whose libraries could not be read never passes.
#
# The program's own dynamic section names the libraries it was linked with;
# the loader's list adds those they pull in. Either naming the test library
# is a failure.

cmake_minimum_required(VERSION 3.22)

if(NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "no program at ${PROGRAM}")
endif()

execute_process(COMMAND readelf -d "${PROGRAM}"
                OUTPUT_VARIABLE dynamic ERROR_VARIABLE readelf_error RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "readelf cannot read ${PROGRAM}: ${readelf_error}")
endif()
if(NOT dynamic MATCHES "NEEDED[^\n]*${LINKED}")
  message(FATAL_ERROR "${PROGRAM} does not name ${LINKED} among its libraries:\n${dynamic}")
endif()
if(dynamic MATCHES "NEEDED[^\n]*(libQt6Test[^]\n]*)")
  message(FATAL_ERROR "${PROGRAM} is linked with the test library ${CMAKE_MATCH_1}")
endif()

execute_process(COMMAND ldd "${PROGRAM}" OUTPUT_VARIABLE loaded RESULT_VARIABLE status)
if(status EQUAL 0 AND loaded MATCHES "(libQt6Test[^ \n]*)")
  message(FATAL_ERROR "${PROGRAM} loads the test library ${CMAKE_MATCH_1}")
endif()
message(STATUS "${PROGRAM} needs no test library")
