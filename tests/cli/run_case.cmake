# Runs varendo-calc once and checks its exit status and output; used where a
# GoogleTest driver cannot start the program itself (the Windows build under Wine).
# usage: cmake -DCOMMAND=prog|arg|... -DSTATUS=N [-DOUT=text] [-DERR=text] -P run_case.cmake
# Arguments are separated by '|'; OUT and ERR must appear in the output as given.
string(REPLACE "|" ";" command "${COMMAND}")
execute_process(COMMAND ${command}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(failed "")
if(NOT status STREQUAL STATUS)
  set(failed "${failed}exit status ${status}, expected ${STATUS}\n")
endif()
foreach(stream OUT ERR)
  string(TOLOWER ${stream} name)
  if(DEFINED ${stream})
    string(FIND "${${name}}" "${${stream}}" at)
    if(at EQUAL -1)
      set(failed "${failed}std${name} lacks: ${${stream}}\n")
    endif()
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "${failed}stdout:\n${out}\nstderr:\n${err}")
endif()
