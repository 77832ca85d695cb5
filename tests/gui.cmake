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
target_link_libraries(pilecorr_gui_tests PRIVATE pilecorr_gui GTest::gtest GTest::gmock)
target_compile_options(pilecorr_gui_tests PRIVATE ${PILECORR_WARNINGS})
gtest_discover_tests(pilecorr_gui_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

foreach(script ${PILECORR_SCENARIOS})
  get_filename_component(name ${script} NAME_WE)
  get_filename_component(dir ${script} DIRECTORY)
  foreach(variant gui_scenario gui_scenario_de)
    set(locale)
    set(runs ${CMAKE_BINARY_DIR}/gui-scenario-runs/${name})
    if(variant STREQUAL gui_scenario_de)
      set(locale -DLOCALE=de_DE.UTF-8)
      set(runs ${CMAKE_BINARY_DIR}/gui-scenario-runs-de/${name})
    endif()
    add_test(NAME ${variant}.${name}
             COMMAND ${CMAKE_COMMAND}
                     -DCLI=$<TARGET_FILE:pilecorr>
                     -DSCRIPT_OPTION=--script
                     -DNAME=${name}
                     -DSCRIPT=${script}
                     -DEXPECTED=${dir}/${name}.expected
                     -DARGS_FILE=${dir}/${name}.args
                     -DDIFFERENCES=${CMAKE_CURRENT_SOURCE_DIR}/gui/toolkit_differences.txt
                     -DFIXTURES=${CMAKE_BINARY_DIR}/fixtures
                     -DSCENARIO_DATA=${PILECORR_SCENARIO_DATA}
                     -DWORK_DIR=${runs}
                     ${locale}
                     -P ${CMAKE_CURRENT_SOURCE_DIR}/scenarios/run_scenario.cmake)
    set_tests_properties(${variant}.${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  endforeach()
endforeach()
