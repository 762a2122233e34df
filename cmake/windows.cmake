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

# The main window and everything it drives, as a library that both the
# program and the in-process UI tests link.
add_library(varendo_ui STATIC
  ui/shell.cpp
  ui/main_window.cpp
  ui/pokemon_roster.cpp
  ui/observation_list.cpp
  ui/recalculate.cpp
  ui/mode_switch.cpp
  ui/input_assist.cpp
  ui/effort_tool.cpp
  ui/hidden_power_tool.cpp
  ui/help_about.cpp
  data/load_game_data_win.cpp)
# version: the About box reads the program's version resource.
target_link_libraries(varendo_ui PUBLIC varendo_core comctl32 version)

add_executable(Varendo WIN32
  ui/winmain.cpp
  resources/Varendo.rc
  resources/game_data.rc)
target_include_directories(Varendo PRIVATE ${VARENDO_RESOURCES})
set_source_files_properties(resources/game_data.rc PROPERTIES OBJECT_DEPENDS "${VARENDO_BLOBS}")
set_source_files_properties(resources/Varendo.rc PROPERTIES
  OBJECT_DEPENDS "${VARENDO_RESOURCES}/Varendo.exe.manifest;${VARENDO_RESOURCES}/varendo.ico;${VARENDO_RESOURCES}/resource.h")
target_link_libraries(Varendo PRIVATE varendo_ui)

# Varendo.chm next to Varendo.exe, where the Help menu finds it.
include(cmake/help.cmake)

if(VARENDO_TESTS)
  # An in-process UI test program: the harness, the given tests and
  # resources, linked with the program's UI library; run under Wine.
  function(varendo_ui_test name)
    add_executable(${name} tests/win/ui_harness.cpp ${ARGN})
    target_include_directories(${name} PRIVATE ${VARENDO_RESOURCES})
    target_link_libraries(${name} PRIVATE varendo_ui GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
  endfunction()

  # The real main window driven in process: templates, menu, strings and data
  # linked exactly as in the program.
  varendo_ui_test(win_ui_test
    tests/win/main_window_test.cpp
    tests/win/roster_ui_test.cpp
    tests/win/observation_list_test.cpp
    tests/win/results_test.cpp
    tests/win/input_assist_test.cpp
    tests/win/mode_switch_test.cpp
    tests/win/tools_test.cpp
    tests/win/help_about_test.cpp
    resources/Varendo.rc
    resources/game_data.rc)
  # The help tests open Varendo.chm from beside the test program.
  add_dependencies(win_ui_test varendo_help)

  # The same program resources without the game data: the start must fail cleanly.
  varendo_ui_test(win_load_failure_test
    tests/win/load_failure_test.cpp
    resources/Varendo.rc)

  # Help with the HTML Help control missing: a process of its own, because a
  # failure to load the control is final for the run.
  varendo_ui_test(win_help_missing_test
    tests/win/help_missing_test.cpp
    resources/Varendo.rc
    resources/game_data.rc)
endif()

if(VARENDO_TESTS)
  # varendo-calc.exe once under Wine: the wide command line, the code page 932
  # look-up and the UTF-8 output through a pipe.
  set(VARENDO_CALC_WINE ${CMAKE_CROSSCOMPILING_EMULATOR}|$<TARGET_FILE:varendo-calc>)
  add_test(NAME win_cli_calc COMMAND ${CMAKE_COMMAND}
    "-DCOMMAND=${VARENDO_CALC_WINE}|--game|dp|--species|フシギダネ|--nature|いじっぱり|50:120/75/69/76/85/65|100:231/147/134/149/166/126"
    -DSTATUS=0 "-DOUT=すばやさ: 31\nめざめるパワー: あく 70\n"
    -P ${CMAKE_SOURCE_DIR}/tests/cli/run_case.cmake)
  add_test(NAME win_cli_bad_species COMMAND ${CMAKE_COMMAND}
    "-DCOMMAND=${VARENDO_CALC_WINE}|--game|dp|--species|フシギ|--nature|いじっぱり|50:1/1/1/1/1/1"
    -DSTATUS=2 "-DERR=varendo-calc: --species \"フシギ\" is not a species of dp; names that begin alike: フシギソウ, フシギダネ, フシギバナ\n"
    -P ${CMAKE_SOURCE_DIR}/tests/cli/run_case.cmake)
endif()

# Enters the README's worked example into a running Varendo.exe for `make screenshot`.
add_executable(varendo_screenshot_driver tools/screenshot_driver.cpp)
target_include_directories(varendo_screenshot_driver PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(varendo_screenshot_driver PRIVATE varendo_options)
