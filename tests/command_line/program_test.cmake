# One test of a program's command line without any display: GROUP.NAME runs
# PROGRAM (a target) with the arguments after PATTERN and expects the exit
# status STATUS and a text matching the regular expression PATTERN on STREAM
# (stdout or stderr; the other must stay empty).
include_guard(GLOBAL)

function(pilecorr_add_program_test group program name status stream pattern)
  add_test(NAME ${group}.${name}
           COMMAND ${CMAKE_COMMAND}
                   -DPROGRAM=$<TARGET_FILE:${program}>
                   -DSTATUS=${status}
                   -DSTREAM=${stream}
                   "-DPATTERN=${pattern}"
                   "-DARGS=${ARGN}"
                   -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/run_without_display.cmake)
endfunction()
