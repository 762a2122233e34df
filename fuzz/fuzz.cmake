# Fuzzing build: libFuzzer targets with AddressSanitizer and UBSan, built by
# clang. Configure with -DVARENDO_FUZZ=ON and CXX=clang++; `make fuzz` does it.
#
# The program's string literals are Shift-JIS, which g++ produces with
# -fexec-charset=CP932 and clang cannot; every source goes through
# sjis_literals first, into a mirror tree whose literals are octal escapes.
add_executable(sjis_literals fuzz/sjis_literals.cpp)

set(FUZZ_TREE ${CMAKE_BINARY_DIR}/sjis)
file(GLOB fuzz_headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
  data/*.h engine/*.h cli/*.h resources/resource.h)
set(fuzz_core_sources
  data/pokemon.cpp data/nature.cpp data/game_data.cpp data/roster.cpp
  engine/iv_engine.cpp engine/effort_level.cpp engine/number_text.cpp
  cli/cli_args.cpp cli/cli_run.cpp cli/cli_text.cpp cli/platform_posix.cpp)

# sjis_copy(OUT_LIST relative paths...): the converted copies.
function(sjis_copy out_list)
  set(outputs "")
  foreach(rel ${ARGN})
    set(out ${FUZZ_TREE}/${rel})
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${FUZZ_TREE}
      COMMAND sjis_literals ${CMAKE_SOURCE_DIR}/${rel} ${out}
      DEPENDS sjis_literals ${CMAKE_SOURCE_DIR}/${rel})
    list(APPEND outputs ${out})
  endforeach()
  set(${out_list} ${outputs} PARENT_SCOPE)
endfunction()

foreach(dir data engine cli resources fuzz)
  file(MAKE_DIRECTORY ${FUZZ_TREE}/${dir})
endforeach()
sjis_copy(fuzz_core_converted ${fuzz_core_sources} ${fuzz_headers})

set(FUZZ_BLOBS ${CMAKE_BINARY_DIR}/generated/embedded_blobs.cpp)
add_custom_command(
  OUTPUT ${FUZZ_BLOBS}
  COMMAND ${CMAKE_COMMAND}
    -DPOKE=${VARENDO_RESOURCES}/poke_data.bin
    -DCHARA=${VARENDO_RESOURCES}/chara_data.bin
    -DOUT=${FUZZ_BLOBS}
    -P ${CMAKE_SOURCE_DIR}/cli/embed_blobs.cmake
  DEPENDS ${VARENDO_RESOURCES}/poke_data.bin ${VARENDO_RESOURCES}/chara_data.bin
    ${CMAKE_SOURCE_DIR}/cli/embed_blobs.cmake)

set(FUZZ_COMPILE -g -O1 -fno-omit-frame-pointer -Wall -Wextra
  -fsanitize=address,undefined -fno-sanitize-recover=all)

add_library(fuzz_core STATIC ${fuzz_core_converted} ${FUZZ_BLOBS})
target_include_directories(fuzz_core PUBLIC ${FUZZ_TREE})
# The converted literals are deliberately not UTF-8.
target_compile_options(fuzz_core PUBLIC ${FUZZ_COMPILE} -Wno-invalid-source-encoding
  PRIVATE -fsanitize=fuzzer-no-link)
target_compile_definitions(fuzz_core PUBLIC VARENDO_CALC_NO_MAIN)

foreach(target fuzz_blobs fuzz_number_text fuzz_cli_args fuzz_calculators)
  sjis_copy(converted fuzz/${target}.cpp)
  add_executable(${target} ${converted})
  target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${target} PRIVATE fuzz_core)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
endforeach()
