# Runs orvalde-trace with ARGS (separated by spaces) and requires its output to be the
# bytes of EXPECTED, the motion as it was recorded when the data was committed.
#   cmake -DTRACE=... -DARGS=... -DEXPECTED=... -DACTUAL=... -P CompareTrace.cmake
separate_arguments(arguments UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${TRACE} ${arguments} OUTPUT_FILE ${ACTUAL} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "orvalde-trace ${ARGS} failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "orvalde-trace ${ARGS} no longer prints ${EXPECTED}; its output is in ${ACTUAL}")
endif()
