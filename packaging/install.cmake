# How the programs install (`cmake --install`) and package (`make package`,
# a .deb made by CPack): the programs in bin/, the sample catalogue and its
# sketches in share/pilecorr/ (where the installed programs look when the
# working directory holds no catalogue), a menu entry, the icon in the
# hicolor theme, the manual pages, and the package's own documents.
include(GNUInstallDirs)

set(PILECORR_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(PILECORR_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/pilecorr)

install(TARGETS pilecorr-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${PILECORR_SAMPLE_CATALOGUE}" DESTINATION ${PILECORR_DATA_DESTINATION})
install(DIRECTORY ${PILECORR_SAMPLE_DIR}/data DESTINATION ${PILECORR_DATA_DESTINATION}
        PATTERN ".sketches" EXCLUDE)

# Manual pages and the package's change log, compressed as Debian wants them
# (no name or time stamp in the gzip header, so the package is reproducible).
set(PILECORR_COMPRESSED_DIR ${CMAKE_BINARY_DIR}/packaging)
set(PILECORR_COMPRESSED)
foreach(source IN ITEMS man/pilecorr.1 man/pilecorr-cli.1 changelog)
  get_filename_component(name ${source} NAME)
  set(out ${PILECORR_COMPRESSED_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${out}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${PILECORR_COMPRESSED_DIR}
                     COMMAND gzip -9n -c ${PILECORR_PACKAGING_DIR}/${source} > ${out}
                     DEPENDS ${PILECORR_PACKAGING_DIR}/${source}
                     COMMENT "Compressing ${name}")
  list(APPEND PILECORR_COMPRESSED ${out})
endforeach()
add_custom_target(pilecorr_packaging_docs ALL DEPENDS ${PILECORR_COMPRESSED})
install(FILES ${PILECORR_COMPRESSED_DIR}/pilecorr.1.gz ${PILECORR_COMPRESSED_DIR}/pilecorr-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PILECORR_COMPRESSED_DIR}/changelog.gz ${PILECORR_PACKAGING_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(PILECORR_BUILD_GUI)
  install(TARGETS pilecorr RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PILECORR_PACKAGING_DIR}/pilecorr.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PILECORR_PACKAGING_DIR}/pilecorr.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  # The PNG sizes of the icon, drawn from the SVG at build time.
  add_executable(pilecorr_icon_render ${CMAKE_SOURCE_DIR}/app/tools/render_icon.cpp)
  target_link_libraries(pilecorr_icon_render PRIVATE Qt6::Gui Qt6::Svg)
  target_compile_options(pilecorr_icon_render PRIVATE ${PILECORR_WARNINGS})
  set(PILECORR_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
  set(PILECORR_ICON_SIZES 16 24 32 48 64 128 256)
  add_custom_command(OUTPUT ${PILECORR_ICON_DIR}/.icons
                     COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                             $<TARGET_FILE:pilecorr_icon_render>
                             ${PILECORR_PACKAGING_DIR}/pilecorr.svg ${PILECORR_ICON_DIR}
                             ${PILECORR_ICON_SIZES}
                     COMMAND ${CMAKE_COMMAND} -E touch ${PILECORR_ICON_DIR}/.icons
                     DEPENDS pilecorr_icon_render ${PILECORR_PACKAGING_DIR}/pilecorr.svg
                     COMMENT "Drawing the icon's sizes")
  add_custom_target(pilecorr_icons ALL DEPENDS ${PILECORR_ICON_DIR}/.icons)
  install(DIRECTORY ${PILECORR_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
          FILES_MATCHING PATTERN "*.png")
endif()

# The .deb: the installed tree under /usr, the Qt runtime packages as its
# dependencies (found by dpkg-shlibdeps from the programs' libraries).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pilecorr)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pilecorr developers")
set(CPACK_PACKAGE_CONTACT "Pilecorr developers <pilecorr@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "steel sheet pile corrosion and safety factors")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Checks a steel sheet pile retaining wall for the loss of steel thickness\n"
       "over its service life: the reduced section properties and the safety\n"
       "factors before and after corrosion, a search of the sections that meet a\n"
       "required factor, a summary of every section against every grade, a chart\n"
       "and a printed report, in metric or imperial units. Comes with a sample\n"
       "catalogue of invented sections.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build" "/\\\\.git")
include(CPack)
