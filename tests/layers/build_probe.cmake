# Builds one layer probe and checks that it builds, or that it fails because
# its header cannot be found (not for any other reason).
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(OUTCOME STREQUAL "builds")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TARGET} should build and does not:\n${output}")
  endif()
else()
  if(result EQUAL 0)
    message(FATAL_ERROR "${TARGET} includes \"${HEADER}\" from a layer above its own and still builds")
  endif()
  string(FIND "${output}" "${HEADER}: No such file or directory" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${TARGET} fails for another reason than the missing \"${HEADER}\":\n${output}")
  endif()
endif()
