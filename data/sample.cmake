# The sample catalogue and its section sketches, built from the readable
# source at every build into ${CMAKE_BINARY_DIR}/sample, the folder `make run`
# starts the program in.

set(PILECORR_SAMPLE_SOURCE ${CMAKE_SOURCE_DIR}/data/catalogue/sample.json)
set(PILECORR_SAMPLE_DIR ${CMAKE_BINARY_DIR}/sample)
set(PILECORR_SAMPLE_CATALOGUE "${PILECORR_SAMPLE_DIR}/SSP Pilecorr.pkd")
set(PILECORR_SAMPLE_SKETCH_STAMP ${PILECORR_SAMPLE_DIR}/data/.sketches)

add_custom_command(
  OUTPUT ${PILECORR_SAMPLE_CATALOGUE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PILECORR_SAMPLE_DIR}
  COMMAND $<TARGET_FILE:pilecorr-cli> catalogue build ${PILECORR_SAMPLE_SOURCE}
          ${PILECORR_SAMPLE_CATALOGUE}
  DEPENDS pilecorr-cli ${PILECORR_SAMPLE_SOURCE}
  COMMENT "Building the sample catalogue"
  VERBATIM)

# The sketch files are named after the sections, so the set is only known
# when the source is read: a stamp stands for them, and the folder is emptied
# first so that renamed sections leave no stale drawing behind.
add_custom_command(
  OUTPUT ${PILECORR_SAMPLE_SKETCH_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PILECORR_SAMPLE_DIR}/data
  COMMAND $<TARGET_FILE:pilecorr-cli> catalogue sketches ${PILECORR_SAMPLE_SOURCE}
          ${PILECORR_SAMPLE_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${PILECORR_SAMPLE_SKETCH_STAMP}
  DEPENDS pilecorr-cli ${PILECORR_SAMPLE_SOURCE}
  COMMENT "Drawing the sample section sketches"
  VERBATIM)

add_custom_target(pilecorr_sample ALL
                  DEPENDS ${PILECORR_SAMPLE_CATALOGUE} ${PILECORR_SAMPLE_SKETCH_STAMP})
