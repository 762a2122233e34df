# Regenerates the blobs into a scratch folder and compares them with the committed ones.
file(MAKE_DIRECTORY ${WORK})
execute_process(
  COMMAND ${MAKE_BLOBS} ${RESOURCES}/pokemon.csv ${RESOURCES}/natures.csv
          ${WORK}/poke_data.bin ${WORK}/chara_data.bin
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_blobs failed (${rc})")
endif()
foreach(blob poke_data.bin chara_data.bin)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${blob} ${RESOURCES}/${blob}
                  RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "resources/${blob} differs from what make_blobs builds from the CSV files; "
                        "run 'make blobs' and commit the result")
  endif()
endforeach()
message(STATUS "both blobs match the CSV files")
