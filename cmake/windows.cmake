# Windows build (MinGW-w64): the program and the tests that run under Wine.
enable_language(RC)
# One self-contained .exe: no MinGW runtime DLL has to sit next to it.
add_link_options(-static -static-libgcc -static-libstdc++)

set(VARENDO_BLOBS ${VARENDO_RESOURCES}/poke_data.bin ${VARENDO_RESOURCES}/chara_data.bin)

if(VARENDO_TESTS)
  # Loads the game tables through the real module resources of its own .exe.
  add_executable(win_resource_test
    tests/win/resource_load_test.cpp
    tests/win/resource_load_test.rc
    data/load_game_data_win.cpp)
  target_include_directories(win_resource_test PRIVATE ${VARENDO_RESOURCES})
  set_source_files_properties(tests/win/resource_load_test.rc PROPERTIES
    OBJECT_DEPENDS "${VARENDO_BLOBS}")
  target_link_libraries(win_resource_test PRIVATE varendo_core GTest::gtest_main)
  add_test(NAME win_resource_test COMMAND win_resource_test)
endif()
