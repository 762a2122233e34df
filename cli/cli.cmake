# varendo-calc, the command-line calculator: one console program for Linux
# and Windows on the same data and engine, its game data compiled in.
set(VARENDO_EMBEDDED_BLOBS ${CMAKE_BINARY_DIR}/generated/embedded_blobs.cpp)
add_custom_command(
  OUTPUT ${VARENDO_EMBEDDED_BLOBS}
  COMMAND ${CMAKE_COMMAND}
    -DPOKE=${VARENDO_RESOURCES}/poke_data.bin
    -DCHARA=${VARENDO_RESOURCES}/chara_data.bin
    -DOUT=${VARENDO_EMBEDDED_BLOBS}
    -P ${CMAKE_SOURCE_DIR}/cli/embed_blobs.cmake
  DEPENDS ${VARENDO_RESOURCES}/poke_data.bin ${VARENDO_RESOURCES}/chara_data.bin
    ${CMAKE_SOURCE_DIR}/cli/embed_blobs.cmake
  COMMENT "Embedding the game data blobs")

# The portable part, shared by the program, its tests and the fuzzers.
add_library(varendo_cli STATIC
  cli/cli_args.cpp
  cli/cli_run.cpp
  cli/cli_text.cpp
  cli/varendo_calc.cpp
  ${VARENDO_EMBEDDED_BLOBS})
target_link_libraries(varendo_cli PUBLIC varendo_core)

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(VARENDO_CLI_PLATFORM cli/platform_win.cpp)
else()
  set(VARENDO_CLI_PLATFORM cli/platform_posix.cpp)
endif()

add_executable(varendo-calc ${VARENDO_CLI_PLATFORM})
target_link_libraries(varendo-calc PRIVATE varendo_cli)
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  # A console program; CommandLineToArgvW lives in shell32.
  target_link_libraries(varendo-calc PRIVATE shell32)
endif()
