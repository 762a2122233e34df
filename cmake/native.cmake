# Native build: the blob generator, the portable tests and the benchmarks.
add_executable(make_blobs tools/make_blobs.cpp)
target_compile_options(make_blobs PRIVATE -Wall -Wextra)

if(VARENDO_TESTS)
  add_executable(varendo_native_tests
    tests/test_tables.cpp
    tests/data_test.cpp
    tests/engine_test.cpp
    tests/engine_property_test.cpp
    tests/number_text_test.cpp
    tests/effort_level_test.cpp
    tests/roster_test.cpp)
  target_link_libraries(varendo_native_tests PRIVATE varendo_core GTest::gtest_main)
  target_compile_definitions(varendo_native_tests PRIVATE
    VARENDO_RESOURCE_DIR="${VARENDO_RESOURCES}")
  add_test(NAME native_tests COMMAND varendo_native_tests)

  # varendo-calc as a user runs it. Deliberately not linked with the engine:
  # its literals are the UTF-8 of the command line.
  add_executable(varendo_cli_tests tests/cli/cli_process_test.cpp)
  target_link_libraries(varendo_cli_tests PRIVATE GTest::gtest_main)
  target_compile_definitions(varendo_cli_tests PRIVATE
    VARENDO_CALC_PATH="$<TARGET_FILE:varendo-calc>")
  add_dependencies(varendo_cli_tests varendo-calc)
  add_test(NAME cli_tests COMMAND varendo_cli_tests)

  # The committed blobs must be exactly what the generator makes of the CSV files.
  add_test(NAME blobs_up_to_date
    COMMAND ${CMAKE_COMMAND}
      -DMAKE_BLOBS=$<TARGET_FILE:make_blobs>
      -DRESOURCES=${VARENDO_RESOURCES}
      -DWORK=${CMAKE_BINARY_DIR}/blob_check
      -P ${CMAKE_SOURCE_DIR}/cmake/check_blobs.cmake)
endif()

if(VARENDO_BENCH)
  find_package(benchmark REQUIRED)
  add_executable(varendo_bench bench/bench_engine.cpp tests/test_tables.cpp)
  target_link_libraries(varendo_bench PRIVATE varendo_core benchmark::benchmark_main)
  target_compile_definitions(varendo_bench PRIVATE VARENDO_RESOURCE_DIR="${VARENDO_RESOURCES}")
  target_include_directories(varendo_bench PRIVATE ${CMAKE_SOURCE_DIR})
endif()
