# Window-manager tests: the windows on a virtual X server under openbox, so
# that stacking, activation and keyboard focus are real (the offscreen
# platform activates whatever it is asked to). run-under-wm.sh starts the X
# server and the window manager for the run; the tests need neither a display
# of the session nor anything else running. Label: wm.
if(NOT PILECORR_BUILD_GUI)
  return()
endif()

file(GLOB PILECORR_GUI_WM_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui_wm/*.cpp)
add_executable(pilecorr_gui_wm_tests ${PILECORR_GUI_WM_TESTS})
target_include_directories(pilecorr_gui_wm_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/unit
                                                         ${CMAKE_CURRENT_SOURCE_DIR}/gui)
target_link_libraries(pilecorr_gui_wm_tests PRIVATE pilecorr_gui Qt6::Test GTest::gtest GTest::gmock)
target_compile_options(pilecorr_gui_wm_tests PRIVATE ${PILECORR_WARNINGS})
# One test for the whole binary: discovering the cases would need the X
# server at build time.
add_test(NAME gui_wm
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/gui_wm/run-under-wm.sh
                 $<TARGET_FILE:pilecorr_gui_wm_tests>)
# In the sanitizer build the leak checker reads the system libraries' own
# leaks from the suppression file.
set_tests_properties(gui_wm PROPERTIES LABELS wm TIMEOUT 300 ENVIRONMENT
  "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/sanitizer/lsan.supp")
