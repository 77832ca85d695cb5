# Test catalogues: every tests/fixtures/NAME.json is built by the project's own
# writer into ${CMAKE_BINARY_DIR}/fixtures/NAME/SSP Pilecorr.pkd, so that a
# scenario can start with `--cwd build/fixtures/NAME`.
file(GLOB PILECORR_FIXTURE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fixtures/*.json)
set(PILECORR_FIXTURE_FILES)
foreach(source ${PILECORR_FIXTURE_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  set(dir ${CMAKE_BINARY_DIR}/fixtures/${name})
  set(out "${dir}/SSP Pilecorr.pkd")
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND $<TARGET_FILE:pilecorr-cli> catalogue build ${source} ${out}
    DEPENDS ${source} pilecorr-cli
    COMMENT "Building test catalogue ${name}"
    VERBATIM)
  list(APPEND PILECORR_FIXTURE_FILES ${out})
endforeach()
# The snapshot scenarios read the section sketches from data/ beside their
# catalogue; two are left out there, to stand for sketches that are missing.
set(snapshot_dir ${CMAKE_BINARY_DIR}/fixtures/snapshot)
set(snapshot_source ${CMAKE_CURRENT_SOURCE_DIR}/fixtures/snapshot.json)
set(snapshot_stamp ${snapshot_dir}/sketches.stamp)
add_custom_command(
  OUTPUT ${snapshot_stamp}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${snapshot_dir}/data
  COMMAND $<TARGET_FILE:pilecorr-cli> catalogue sketches ${snapshot_source} ${snapshot_dir}
  COMMAND ${CMAKE_COMMAND} -E rm -f "${snapshot_dir}/data/SN 20.svg" "${snapshot_dir}/data/UF 8-imp.svg"
  COMMAND ${CMAKE_COMMAND} -E touch ${snapshot_stamp}
  DEPENDS ${snapshot_source} pilecorr-cli
  COMMENT "Writing the sketches of the snapshot test catalogue"
  VERBATIM)
list(APPEND PILECORR_FIXTURE_FILES ${snapshot_stamp})
add_custom_target(fixtures ALL DEPENDS ${PILECORR_FIXTURE_FILES})
# The unit tests read the built fixtures.
add_dependencies(pilecorr_tests fixtures)
