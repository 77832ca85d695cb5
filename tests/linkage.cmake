# The programs users run need no test library: the Qt program plays scripts
# with the toolkit's own event delivery, and the headless driver is plain.
set(PILECORR_LINKAGE_CHECK ${CMAKE_CURRENT_SOURCE_DIR}/linkage/no_test_library.cmake)
add_test(NAME linkage.cli_needs_no_test_library
         COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:pilecorr-cli> -DLINKED=libQt6Core
                 -P ${PILECORR_LINKAGE_CHECK})
if(PILECORR_BUILD_GUI)
  add_test(NAME linkage.gui_needs_no_test_library
           COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:pilecorr> -DLINKED=libQt6Widgets
                   -P ${PILECORR_LINKAGE_CHECK})
endif()
