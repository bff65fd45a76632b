# Checks shared by the runner's test scripts.

# Fails the test unless the runner exited with the expected code.
function(expect_exit exit_code expected)
    if(NOT exit_code EQUAL expected)
        message(FATAL_ERROR "exit code ${exit_code}, expected ${expected}")
    endif()
endfunction()

# Fails the test unless `stream` holds `text` (nothing to check when `text` is empty).
function(expect_text stream text what)
    if(text)
        string(FIND "${stream}" "${text}" found)
        if(found EQUAL -1)
            message(FATAL_ERROR "${what} lacks: ${text}")
        endif()
    endif()
endfunction()

# Fails the test if `stream` holds `text` (nothing to check when `text` is empty).
function(expect_no_text stream text what)
    if(text)
        string(FIND "${stream}" "${text}" found)
        if(NOT found EQUAL -1)
            message(FATAL_ERROR "${what} holds: ${text}")
        endif()
    endif()
endfunction()
