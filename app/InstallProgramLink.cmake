# Makes PREFIX/bin/karvelio a symbolic link to the installed executable, run by
# `cmake --install` with `executable` set to its path inside PREFIX.
#
# The program reads its own path through the link to find its Resources
# folder, so the link must lead to the executable itself. It is relative, so
# an install staged under DESTDIR leads there both in the staging folder and
# once unpacked, and it is written between the folders as they really are:
# where PREFIX/bin is itself a link to a folder elsewhere, "../lib/..." would
# be read from that folder and lead nowhere.
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
set(link "${folder}/karvelio")
set(executable "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${executable}")
message(STATUS "Installing: ${link}")
file(MAKE_DIRECTORY "${folder}")
file(REAL_PATH "${folder}" real_folder)
file(REAL_PATH "${executable}" real_executable)
file(RELATIVE_PATH target "${real_folder}" "${real_executable}")
file(CREATE_LINK "${target}" "${link}" RESULT failure SYMBOLIC)
if(NOT failure STREQUAL "0")
  message(FATAL_ERROR "Cannot make ${link} a link to ${executable}: ${failure}")
endif()
file(REAL_PATH "${link}" linked)
if(NOT EXISTS "${link}" OR NOT linked STREQUAL real_executable)
  message(FATAL_ERROR "${link} leads to ${linked}, not to ${executable}: "
                      "the program would not start from ${link}")
endif()
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
