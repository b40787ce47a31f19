# Runs DRIVER with SCRIPT on standard input and compares with the golden files
# next to the script (see CMakeLists.txt).
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
execute_process(COMMAND ${DRIVER}
  INPUT_FILE ${SCRIPT}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)

file(READ ${dir}/${name}.out expected_out)
if(EXISTS ${dir}/${name}.err)
  file(READ ${dir}/${name}.err expected_err)
  set(expected_status 2)
else()
  set(expected_err "")
  set(expected_status 0)
endif()

set(failed FALSE)
if(NOT status STREQUAL expected_status)
  message(SEND_ERROR "status ${status}, expected ${expected_status}")
  set(failed TRUE)
endif()
if(NOT out STREQUAL expected_out)
  message(SEND_ERROR "standard output differs.\n--- got:\n${out}--- expected:\n${expected_out}")
endif()
if(NOT err STREQUAL expected_err)
  message(SEND_ERROR "standard error differs.\n--- got:\n${err}--- expected:\n${expected_err}")
endif()
