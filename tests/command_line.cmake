# The Qt program's command line without any display: --help, --version and a
# wrong option must answer before a window (or QApplication) exists. Each
# test runs `pilecorr` with DISPLAY and WAYLAND_DISPLAY unset and the X11
# platform asked for, so that creating the application would fail with Qt's
# platform-plugin message and another exit status.
if(NOT PILECORR_BUILD_GUI)
  return()
endif()

# NAME, the exit status expected, the stream that must hold the text (stdout
# or stderr; the other must stay empty), a regular expression it must match,
# then the arguments.
include(${CMAKE_CURRENT_SOURCE_DIR}/command_line/program_test.cmake)
function(pilecorr_add_command_line_test name status stream pattern)
  pilecorr_add_program_test(command_line pilecorr ${name} ${status} ${stream} "${pattern}" ${ARGN})
endfunction()

pilecorr_add_command_line_test(help 0 stdout "^Usage: pilecorr .*--settings FILE.*CATALOGUE.*--script FILE" --help)
pilecorr_add_command_line_test(help_short 0 stdout "^Usage: pilecorr " -h)
pilecorr_add_command_line_test(version 0 stdout "^Pilecorr 2\\.5\\.0\\.3.$" --version)
pilecorr_add_command_line_test(unknown_option 2 stderr "Unknown option 'frobnicate'.*Usage: pilecorr " --frobnicate)
pilecorr_add_command_line_test(settings_without_file 2 stderr "Missing value after '--settings'.*Usage: pilecorr " --settings)
pilecorr_add_command_line_test(two_catalogues 2 stderr "one catalogue at most.*Usage: pilecorr " a.pkd b.pkd)
