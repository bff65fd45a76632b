# Writes the verification chapter to WRITTEN and compares it with the committed COMMITTED.
execute_process(COMMAND ${VERIFY} --write ${WRITTEN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "quarlo_verify --write failed (${result}):\n${out}${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WRITTEN} ${COMMITTED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${COMMITTED} is not what the verification program writes now (${WRITTEN}); "
                        "run `make verify` and commit the chapter")
endif()
