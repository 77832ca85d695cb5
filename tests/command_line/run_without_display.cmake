# Runs PROGRAM with ARGS without any display and checks its exit status
# (STATUS), that the stream STREAM (stdout or stderr) matches PATTERN and that
# the other stream is empty.

cmake_minimum_required(VERSION 3.22)

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        QT_QPA_PLATFORM=xcb ${PROGRAM} ${ARGS}
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE status)

set(report "exit status: ${status}\nstandard output:\n${out}\nstandard error:\n${err}")
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "expected exit status ${STATUS}\n${report}")
endif()
if(STREAM STREQUAL "stdout")
  set(text "${out}")
  set(other "${err}")
else()
  set(text "${err}")
  set(other "${out}")
endif()
if(NOT text MATCHES "${PATTERN}")
  message(FATAL_ERROR "${STREAM} does not match ${PATTERN}\n${report}")
endif()
if(NOT other STREQUAL "")
  message(FATAL_ERROR "only ${STREAM} should hold text\n${report}")
endif()
