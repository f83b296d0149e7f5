# Installs the build as a packager would, staged under DESTDIR, and checks the
# layout the program relies on (its executable beside Resources/ with the
# eight pictures in lib/karvelio, bin/karvelio a link that still leads there
# inside the staging folder) and that
# the desktop would open ".indd" files with Karvelio: the MIME type the XML
# declares is the one the .desktop entry claims, the entry's icon is installed
# in the hicolor theme at the sizes its folders name, and (where
# update-mime-database is installed) the compiled database maps *.indd to it
# and, where gio is installed too, knows a document by its first bytes alone.
#
# cmake -DBUILD_DIR=... -DPREFIX=... [-DUPDATE_MIME_DATABASE=...] [-DGIO=...] -P PackagingCheck.cmake

cmake_minimum_required(VERSION 3.25)

# Installs the build staged under `stage`, as a packager would, with /usr for
# its prefix.
function(stage_install stage)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${stage}" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install into ${stage} failed: ${result}\n${errors}")
  endif()
endfunction()

# The program finds its pictures as its folder's parent's "Resources", with
# its folder read through any link, so the executable itself must lie in
# lib/karvelio/bin and bin/karvelio lead to it. An absolute link would lead
# out of the staging folder.
function(check_program_link prefix)
  set(program "${prefix}/lib/karvelio/bin/karvelio")
  if(NOT EXISTS "${program}" OR IS_SYMLINK "${program}" OR IS_DIRECTORY "${program}")
    message(FATAL_ERROR "not installed as a file: ${program}")
  endif()
  if(NOT IS_SYMLINK "${prefix}/bin/karvelio")
    message(FATAL_ERROR "not a symbolic link: ${prefix}/bin/karvelio")
  endif()
  file(REAL_PATH "${prefix}/bin/karvelio" linked)
  file(REAL_PATH "${program}" program)
  if(NOT linked STREQUAL program)
    message(FATAL_ERROR "${prefix}/bin/karvelio leads to ${linked}, not to ${program}")
  endif()
endfunction()

# Where the prefix's bin folder is itself a link to a folder elsewhere (some
# home folders are set up so), bin/karvelio still leads to the executable.
set(stage "${PREFIX}-linked-bin")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}/elsewhere/bin" "${stage}/usr")
file(CREATE_LINK ../elsewhere/bin "${stage}/usr/bin" SYMBOLIC)
stage_install("${stage}")
check_program_link("${stage}/usr")
file(REMOVE_RECURSE "${stage}")

# PREFIX is the staging folder; from here on PREFIX names the installed tree
# inside it.
file(REMOVE_RECURSE "${PREFIX}")
stage_install("${PREFIX}")
set(PREFIX "${PREFIX}/usr")
check_program_link("${PREFIX}")
foreach(picture IN ITEMS cs cs2 cs3 cs4 cs5 cs55 ind brelom)
  if(NOT EXISTS "${PREFIX}/lib/karvelio/Resources/${picture}.pct")
    message(FATAL_ERROR "not installed: ${PREFIX}/lib/karvelio/Resources/${picture}.pct")
  endif()
endforeach()
if(EXISTS "${PREFIX}/Resources")
  message(FATAL_ERROR "${PREFIX}/Resources is installed: the program never looks there")
endif()

set(mime_xml "${PREFIX}/share/mime/packages/karvelio.xml")
set(desktop "${PREFIX}/share/applications/karvelio.desktop")
foreach(installed IN ITEMS "${mime_xml}" "${desktop}")
  if(NOT EXISTS "${installed}")
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()

file(READ "${mime_xml}" xml)
if(NOT xml MATCHES "<mime-type type=\"([^\"]+)\"")
  message(FATAL_ERROR "${mime_xml}: no mime-type element")
endif()
set(type "${CMAKE_MATCH_1}")
if(NOT xml MATCHES "<glob pattern=\"\\*\\.indd\"/>")
  message(FATAL_ERROR "${mime_xml}: no *.indd glob")
endif()

# Read whole: file(STRINGS) would turn the entry's ";" into list separators.
file(READ "${desktop}" entry)
string(REPLACE "." "\\." type_pattern "${type}")
if(NOT entry MATCHES "\nMimeType=([^\n]*;)?${type_pattern};")
  message(FATAL_ERROR "${desktop}: MimeType does not name ${type}")
endif()
if(NOT entry MATCHES "\nExec=karvelio %F\n")
  message(FATAL_ERROR "${desktop}: Exec is not \"karvelio %F\"")
endif()

if(NOT entry MATCHES "\nIcon=karvelio\n")
  message(FATAL_ERROR "${desktop}: Icon is not \"karvelio\"")
endif()

# 48x48 is the size a hicolor icon must come in at least.
set(hicolor "${PREFIX}/share/icons/hicolor")
file(GLOB icons RELATIVE "${hicolor}" "${hicolor}/*/apps/karvelio.png")
if(NOT "48x48/apps/karvelio.png" IN_LIST icons)
  message(FATAL_ERROR "no 48x48 icon among the installed ones: ${icons}")
endif()
foreach(icon IN LISTS icons)
  # A PNG's width and height are the two 32-bit numbers after its header.
  file(READ "${hicolor}/${icon}" header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width)
  string(SUBSTRING "${header}" 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT icon STREQUAL "${width}x${height}/apps/karvelio.png")
    message(FATAL_ERROR "${hicolor}/${icon} is ${width} by ${height} pixels")
  endif()
endforeach()

if(UPDATE_MIME_DATABASE)
  # With the prefix on the search path it has no reason to print anything
  # but complaints about the XML.
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env "XDG_DATA_DIRS=${PREFIX}/share"
                          "${UPDATE_MIME_DATABASE}" "${PREFIX}/share/mime"
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
    message(FATAL_ERROR "update-mime-database rejected ${mime_xml}: ${errors}")
  endif()
  file(STRINGS "${PREFIX}/share/mime/globs2" globs REGEX ":${type}:\\*\\.indd$")
  if(globs STREQUAL "")
    message(FATAL_ERROR "the compiled MIME database does not map *.indd to ${type}")
  endif()

  if(GIO)
    # The name has no extension, so only the signature can tell the type.
    # The prefix's database is the only one gio sees, and GIO_USE_VFS keeps it
    # from asking a desktop session's file services.
    string(ASCII 6 6 237 245 216 29 70 229 189 49 239 231 254 116 183 29 signature)
    set(document "${PREFIX}/document")
    file(WRITE "${document}" "${signature}later pages")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env "XDG_DATA_DIRS=${PREFIX}/share"
                            "XDG_DATA_HOME=${PREFIX}/no-user-data" GIO_USE_VFS=local
                            "${GIO}" info --attributes=standard::content-type "${document}"
                    OUTPUT_VARIABLE info RESULT_VARIABLE result)
    if(NOT result EQUAL 0 OR NOT info MATCHES "standard::content-type: ${type_pattern}\n")
      message(FATAL_ERROR "a document without its extension is not taken for ${type}:\n${info}")
    endif()
  endif()
endif()
