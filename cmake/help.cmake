# The help file Varendo.chm, compiled from the HTML Help project in help/.
#
# include(cmake/help.cmake) from a project:
#   - finds chmcmd (Debian package fp-utils) and iconv, failing the configure
#     step when either is missing;
#   - adds the target varendo_help (built by ALL) that produces
#     ${CMAKE_BINARY_DIR}/Varendo.chm, rebuilt whenever a file in help/ changes;
#   - sets VARENDO_HELP_CHM to the path of that file.
#
# Encoding: the sources in help/ are UTF-8 and declare charset=UTF-8. The HTML
# Help viewer of Japanese Windows reads the pages, the contents and the index
# in code page 932, so the build copies help/ into ${CMAKE_BINARY_DIR}/help,
# rewrites "charset=UTF-8" as "charset=Shift_JIS" and converts every text file
# to CP932 with iconv (a character that CP932 lacks fails the build), then runs
# chmcmd on the converted copy. The project sets Language=0x411, so the viewer
# shows the titles of the contents and index in Japanese.
#
# The same file, run as a script (cmake -P), performs that build step; the
# custom command below invokes it that way.

# --------------------------------------------------------------------------
# Script mode: the build step.
#   -DHELP_SOURCE_DIR=  help/ in the source tree
#   -DHELP_STAGE_DIR=   the build-tree copy to convert and compile
#   -DHELP_OUTPUT=      the .chm to produce
#   -DHELP_CHMCMD=      chmcmd
#   -DHELP_ICONV=       iconv
# --------------------------------------------------------------------------
if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.16)
  foreach(var HELP_SOURCE_DIR HELP_STAGE_DIR HELP_OUTPUT HELP_CHMCMD HELP_ICONV)
    if(NOT DEFINED ${var})
      message(FATAL_ERROR "help: ${var} is not set")
    endif()
  endforeach()

  # A fresh copy each time, so that a page removed from help/ is gone too.
  file(REMOVE_RECURSE "${HELP_STAGE_DIR}")
  file(MAKE_DIRECTORY "${HELP_STAGE_DIR}")

  file(GLOB help_files RELATIVE "${HELP_SOURCE_DIR}" "${HELP_SOURCE_DIR}/*")
  list(SORT help_files)
  set(text_ext ".html;.htm;.hhp;.hhc;.hhk;.css;.txt;.js")
  foreach(name IN LISTS help_files)
    set(src "${HELP_SOURCE_DIR}/${name}")
    if(IS_DIRECTORY "${src}")
      continue()
    endif()
    get_filename_component(ext "${name}" LAST_EXT)
    string(TOLOWER "${ext}" ext)
    if(NOT ext IN_LIST text_ext)
      # Pictures and other binary files go in unchanged.
      file(COPY "${src}" DESTINATION "${HELP_STAGE_DIR}")
      continue()
    endif()

    # UTF-8 text: drop a byte order mark, declare Shift_JIS, convert to CP932.
    file(READ "${src}" head LIMIT 3 HEX)
    if(head STREQUAL "efbbbf")
      file(READ "${src}" content OFFSET 3)
    else()
      file(READ "${src}" content)
    endif()
    string(REPLACE "charset=UTF-8" "charset=Shift_JIS" content "${content}")
    string(REPLACE "charset=utf-8" "charset=Shift_JIS" content "${content}")
    set(tmp "${HELP_STAGE_DIR}/${name}.utf8")
    file(WRITE "${tmp}" "${content}")
    execute_process(
      COMMAND "${HELP_ICONV}" -f UTF-8 -t CP932 "${tmp}"
      OUTPUT_FILE "${HELP_STAGE_DIR}/${name}"
      ERROR_VARIABLE iconv_err
      RESULT_VARIABLE iconv_rc)
    file(REMOVE "${tmp}")
    if(NOT iconv_rc EQUAL 0)
      message(FATAL_ERROR
        "help: help/${name} cannot be converted to Shift-JIS (CP932): ${iconv_err}"
        "Write it in UTF-8, using only characters that CP932 has "
        "(\"～\" as U+FF5E).")
    endif()
  endforeach()

  if(NOT EXISTS "${HELP_STAGE_DIR}/Varendo.hhp")
    message(FATAL_ERROR "help: help/Varendo.hhp is missing")
  endif()

  # chmcmd writes the file named by "Compiled file" (Varendo.chm) into the
  # current directory, and may leave scratch files there: run it in the copy.
  execute_process(
    COMMAND "${HELP_CHMCMD}" Varendo.hhp
    WORKING_DIRECTORY "${HELP_STAGE_DIR}"
    OUTPUT_VARIABLE chm_out
    ERROR_VARIABLE chm_out
    RESULT_VARIABLE chm_rc)
  file(WRITE "${HELP_STAGE_DIR}/chmcmd.log" "${chm_out}")
  # chmcmd reports problems in its output and may still exit with 0: a line
  # that starts with "Error" or "Warning" fails the build.
  string(REGEX MATCHALL "(^|\n)(Error|Warning)[^\n]*" chm_problems "${chm_out}")
  if(NOT chm_rc EQUAL 0 OR chm_problems)
    message(FATAL_ERROR "help: chmcmd failed (exit ${chm_rc}):\n${chm_out}")
  endif()

  set(chm "${HELP_STAGE_DIR}/Varendo.chm")
  if(NOT EXISTS "${chm}")
    message(FATAL_ERROR "help: chmcmd produced no Varendo.chm:\n${chm_out}")
  endif()
  file(READ "${chm}" magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "49545346") # "ITSF"
    message(FATAL_ERROR "help: ${chm} is not a compiled HTML Help file")
  endif()
  file(REMOVE "${HELP_OUTPUT}")
  file(RENAME "${chm}" "${HELP_OUTPUT}")
  return()
endif()

# --------------------------------------------------------------------------
# Include mode: tools and the target.
# --------------------------------------------------------------------------
find_program(VARENDO_CHMCMD chmcmd NO_CMAKE_FIND_ROOT_PATH)
if(NOT VARENDO_CHMCMD)
  message(FATAL_ERROR
    "chmcmd, the HTML Help compiler that builds Varendo.chm, was not found. "
    "Install the Debian package fp-utils (apt-get install fp-utils, or "
    "tools/install-deps.sh help), or set VARENDO_CHMCMD to its path.")
endif()

find_program(VARENDO_ICONV iconv NO_CMAKE_FIND_ROOT_PATH)
if(NOT VARENDO_ICONV)
  message(FATAL_ERROR
    "iconv, needed to convert the help pages to Shift-JIS, was not found "
    "(Debian package libc-bin). Set VARENDO_ICONV to its path.")
endif()
execute_process(
  COMMAND "${VARENDO_ICONV}" -f UTF-8 -t CP932
  INPUT_FILE "${CMAKE_CURRENT_LIST_DIR}/help.cmake"
  OUTPUT_QUIET ERROR_QUIET
  RESULT_VARIABLE varendo_iconv_rc)
if(NOT varendo_iconv_rc EQUAL 0)
  message(FATAL_ERROR "${VARENDO_ICONV} cannot convert UTF-8 to CP932")
endif()

set(VARENDO_HELP_SOURCE_DIR "${CMAKE_SOURCE_DIR}/help")
set(VARENDO_HELP_STAGE_DIR "${CMAKE_BINARY_DIR}/help")
set(VARENDO_HELP_CHM "${CMAKE_BINARY_DIR}/Varendo.chm")
set(VARENDO_HELP_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

# CONFIGURE_DEPENDS: a page added to or removed from help/ re-runs the glob.
file(GLOB VARENDO_HELP_SOURCES CONFIGURE_DEPENDS "${VARENDO_HELP_SOURCE_DIR}/*")
list(SORT VARENDO_HELP_SOURCES)
if(NOT EXISTS "${VARENDO_HELP_SOURCE_DIR}/Varendo.hhp")
  message(FATAL_ERROR "help/Varendo.hhp is missing")
endif()

add_custom_command(
  OUTPUT "${VARENDO_HELP_CHM}"
  COMMAND "${CMAKE_COMMAND}"
          "-DHELP_SOURCE_DIR=${VARENDO_HELP_SOURCE_DIR}"
          "-DHELP_STAGE_DIR=${VARENDO_HELP_STAGE_DIR}"
          "-DHELP_OUTPUT=${VARENDO_HELP_CHM}"
          "-DHELP_CHMCMD=${VARENDO_CHMCMD}"
          "-DHELP_ICONV=${VARENDO_ICONV}"
          -P "${VARENDO_HELP_SCRIPT}"
  DEPENDS ${VARENDO_HELP_SOURCES} "${VARENDO_HELP_SCRIPT}"
  COMMENT "Compiling the help file Varendo.chm"
  VERBATIM)
add_custom_target(varendo_help ALL DEPENDS "${VARENDO_HELP_CHM}")
