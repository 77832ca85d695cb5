# The build itself keeps the layers: a source of a layer compiles against the
# headers of its own layer and of the layers below it, and an include that
# runs upwards fails to compile. Each probe is one generated source placed in
# a folder named after its layer, built on demand against that layer's
# library; the test builds it and checks the outcome and the missing header.
set(PILECORR_LAYER_PROBES
  # name | layer library | folder | included header | outcome
  "engine_sees_its_own_and_lower|pilecorr_engine|engine|engine/safety_factor.h,catalogue/catalogue.h,units/format.h|builds"
  "window_sees_every_layer_below|pilecorr_window|window|form/form.h,platform/platform.h,corrosion/service_life.h,engine/section_search.h,output/report.h|builds"
  "engine_cannot_reach_the_window|pilecorr_engine|engine|window/app.h|fails"
  "catalogue_cannot_reach_the_output|pilecorr_catalogue|catalogue|output/report.h|fails"
  "units_cannot_reach_the_catalogue|pilecorr_units|units|catalogue/catalogue.h|fails"
  "form_cannot_reach_the_handlers|pilecorr_form|form|window/run_state.h|fails"
  "platform_cannot_reach_the_controls|pilecorr_platform|platform|form/control.h|fails"
  "window_cannot_reach_the_driver|pilecorr_window|window|driver/script_runner.h|fails")

foreach(probe IN LISTS PILECORR_LAYER_PROBES)
  string(REPLACE "|" ";" fields "${probe}")
  list(GET fields 0 name)
  list(GET fields 1 library)
  list(GET fields 2 folder)
  list(GET fields 3 headers)
  list(GET fields 4 outcome)
  string(REPLACE "," ";" headers "${headers}")
  set(source ${CMAKE_BINARY_DIR}/layer_probes/${folder}/${name}.cpp)
  set(text "")
  foreach(header IN LISTS headers)
    string(APPEND text "#include \"${header}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${source} CONTENT "${text}")
  add_library(layer_probe_${name} OBJECT EXCLUDE_FROM_ALL ${source})
  target_link_libraries(layer_probe_${name} PRIVATE ${library})
  list(GET headers 0 first)
  add_test(NAME layers.${name}
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DTARGET=layer_probe_${name}
                   -DOUTCOME=${outcome} -DHEADER=${first}
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/layers/build_probe.cmake)
  # The probes build in the one build tree: one at a time.
  set_tests_properties(layers.${name} PROPERTIES RESOURCE_LOCK build_tree LABELS layers)
endforeach()

# The window's subsystems that are given only the forms, the state, the
# catalogue and the services they use: none of them reaches the whole App.
set(PILECORR_NARROW_SUBSYSTEMS
  about_box_handlers chart_handlers corrosion_table_handlers design_handlers
  life_curve_handlers property_grid_handlers report_handlers snapshot_handlers
  steel_quantities_handlers summary_handlers)
foreach(subsystem IN LISTS PILECORR_NARROW_SUBSYSTEMS)
  add_test(NAME layers.narrow_${subsystem}
           COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src
                   -DSUBSYSTEM=window/${subsystem}
                   -P ${CMAKE_CURRENT_SOURCE_DIR}/layers/narrow_subsystem.cmake)
  set_tests_properties(layers.narrow_${subsystem} PROPERTIES LABELS layers)
endforeach()
