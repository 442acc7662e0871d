# Runs one panel script through drennomar-panel and compares what it prints
# with the files beside it (see CMakeLists.txt in this folder).
#   -DPANEL=path of drennomar-panel  -DSCRIPT=path of NAME.panel
#   -DEMULATOR=optional runner to put in front of the program
cmake_minimum_required(VERSION 3.25)

if(NOT PANEL OR NOT SCRIPT)
  message(FATAL_ERROR "run_script.cmake needs -DPANEL and -DSCRIPT")
endif()
string(REGEX REPLACE "\\.panel$" "" base "${SCRIPT}")
get_filename_component(dir "${SCRIPT}" DIRECTORY)
get_filename_component(bin "${PANEL}" DIRECTORY)

if(NOT EXISTS "${base}.out")
  message(FATAL_ERROR "${base}.out is missing")
endif()
file(READ "${base}.out" expected_out)

set(expected_status 0)
if(EXISTS "${base}.status")
  file(READ "${base}.status" expected_status)
  string(STRIP "${expected_status}" expected_status)
endif()

set(args "${SCRIPT}")
if(EXISTS "${base}.args")
  file(STRINGS "${base}.args" args)
  list(TRANSFORM args REPLACE "@SCRIPT@" "${SCRIPT}")
  list(TRANSFORM args REPLACE "@DIR@" "${dir}")
  list(TRANSFORM args REPLACE "@BIN@" "${bin}")
endif()

execute_process(
  COMMAND ${EMULATOR} "${PANEL}" ${args}
  INPUT_FILE "${SCRIPT}"
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)

# Line ends may come back as CR LF where the program runs on another system.
string(REPLACE "\r\n" "\n" out "${out}")
string(REPLACE "\r\n" "\n" err "${err}")
string(REPLACE "\r\n" "\n" expected_out "${expected_out}")

set(problems "")
if(NOT "${status}" STREQUAL "${expected_status}")
  string(APPEND problems "exit status ${status}, expected ${expected_status}\n")
endif()
if(NOT "${out}" STREQUAL "${expected_out}")
  string(APPEND problems "standard output differs\n--- expected\n${expected_out}--- got\n${out}---\n")
endif()
if(EXISTS "${base}.err")
  file(READ "${base}.err" expected_err)
  string(STRIP "${expected_err}" expected_err)
  string(FIND "${err}" "${expected_err}" at)
  if(at EQUAL -1)
    string(APPEND problems "standard error lacks '${expected_err}'\n--- got\n${err}---\n")
  endif()
elseif(NOT "${err}" STREQUAL "")
  string(APPEND problems "unexpected standard error:\n${err}")
endif()

if(problems)
  message(FATAL_ERROR "${SCRIPT}\n${problems}")
endif()
