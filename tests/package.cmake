# The .deb that `make package` makes: packed from this build, installed into
# a folder of its own, run from there, and checked by lintian. Packing the
# debug binaries of the sanitizer build alone takes minutes on a loaded machine.
if(PILECORR_BUILD_GUI)
  add_test(NAME package.deb_installs_and_runs
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/check_deb.sh ${CMAKE_BINARY_DIR}
                   "Pilecorr 2.5.0.3")
  set_tests_properties(package.deb_installs_and_runs PROPERTIES LABELS package TIMEOUT 1500
                       RESOURCE_LOCK build_tree)
endif()
