# Types a line of 1 MiB (CJK characters, escapes and ASCII) into an output box
# and checks that it comes back whole.
set(chunk "复制\\t0123456789abcdefghijklmnopqrstuvwxyz")  # 44 bytes of script text
set(text "${chunk}")
foreach(i RANGE 1 20)  # doubled until past 1 MiB: 44 * 2^15 bytes
  string(APPEND text "${text}")
  string(LENGTH "${text}" length)
  if(length GREATER 1048576)
    break()
  endif()
endforeach()
set(script ${WORK_DIR}/megabyte_line.script)
file(WRITE ${script} "type homeOutputEdit ${text}\nprint homeOutputEdit\n")
execute_process(COMMAND ${DRIVER}
  INPUT_FILE ${script}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)
file(REMOVE ${script})
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "status ${status}: ${err}")
endif()
if(NOT out STREQUAL "homeOutputEdit: ${text}\n")
  string(LENGTH "${out}" got)
  message(FATAL_ERROR "the text came back changed (${got} bytes)")
endif()
