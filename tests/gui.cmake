# GUI tests: real widgets on the offscreen platform. The binding tests drive
# the windows with QTest; every scenario script also runs through
# `pilecorr --script` and must print the very output of the headless driver.
if(NOT PILECORR_BUILD_GUI)
  return()
endif()

file(GLOB PILECORR_GUI_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/gui/*.cpp)
add_executable(pilecorr_gui_tests ${PILECORR_GUI_TESTS})
target_include_directories(pilecorr_gui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/unit
                                                      ${CMAKE_CURRENT_SOURCE_DIR}/gui)
target_link_libraries(pilecorr_gui_tests PRIVATE pilecorr_gui Qt6::Test GTest::gtest GTest::gmock)
target_compile_options(pilecorr_gui_tests PRIVATE ${PILECORR_WARNINGS})
# The service life curve runs on the sample catalogue the build makes.
target_compile_definitions(pilecorr_gui_tests PRIVATE PILECORR_BINARY_DIR="${CMAKE_BINARY_DIR}")
gtest_discover_tests(pilecorr_gui_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

pilecorr_add_scenario_tests(gui_scenario $<TARGET_FILE:pilecorr>
  -DSCRIPT_OPTION=--script
  -DDIFFERENCES=${CMAKE_CURRENT_SOURCE_DIR}/gui/toolkit_differences.txt)
foreach(script ${PILECORR_SCENARIOS})
  get_filename_component(name ${script} NAME_WE)
  set_tests_properties(gui_scenario.${name} gui_scenario_de.${name}
                       PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endforeach()

# The same window on a screen too small for it (the offscreen screen at 150 %).
add_test(NAME gui_small_screen
         COMMAND pilecorr_gui_tests --gtest_filter=GuiScreen.*)
set_tests_properties(gui_small_screen PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=1.5")
