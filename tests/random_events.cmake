# Random user events through both programs (random_events/random_events.cpp):
# a script of a few thousand random actions made from a fixed seed is played
# by `pilecorr-cli script` and by `pilecorr --script` on the offscreen
# platform, and their outputs must agree line by line; after every event of
# the headless run each run-state value must be finite and each list's
# selection inside its list. The script and both
# outputs stay in build/random-events/NAME to be replayed.
if(NOT PILECORR_BUILD_GUI)
  return()
endif()

add_executable(pilecorr_random_events ${CMAKE_CURRENT_SOURCE_DIR}/random_events/random_events.cpp)
target_link_libraries(pilecorr_random_events PRIVATE pilecorr_core)
target_compile_options(pilecorr_random_events PRIVATE ${PILECORR_WARNINGS})

# NAME, the catalogue folder, the seed, the number of actions and the user's
# decimal separator.
function(pilecorr_add_random_events name folder seed steps decimal)
  add_test(NAME random_events.${name}
           COMMAND pilecorr_random_events --seed ${seed} --steps ${steps} --cwd ${folder}
                   --decimal-separator ${decimal}
                   --cli $<TARGET_FILE:pilecorr-cli> --gui $<TARGET_FILE:pilecorr>
                   --work ${CMAKE_BINARY_DIR}/random-events/${name})
endfunction()

pilecorr_add_random_events(sample_seed_1 ${CMAKE_BINARY_DIR}/sample 1 3000 .)
pilecorr_add_random_events(sample_seed_2_comma ${CMAKE_BINARY_DIR}/sample 2 2000 ,)
# A long run: ten thousand events, every one followed by the check that each
# run-state value is finite and each list's selection lies inside its list.
pilecorr_add_random_events(sample_seed_3_long ${CMAKE_BINARY_DIR}/sample 3 10000 .)
# A corrosion-resistant grade and sections without a reduced section; this
# seed met three disagreements before they were mended.
pilecorr_add_random_events(small_seed_7 ${CMAKE_BINARY_DIR}/fixtures/small 7 3000 .)
