# Starts the installed program as the desktop would, from another folder, on a copy of an
# installed example with --run, offscreen and with the probe loaded (probe/). What the probe
# saw once the program stood idle: the project open, the engine beside the program, the run's
# files written (once the program runs analyses), the graphs loaded (once it reads plot data
# files) and the help's contents page built from the manuals inside the program.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/home)
file(COPY ${PREFIX}/share/quarlo/examples/drilled-shaft-si.qv3d DESTINATION ${WORK_DIR})
set(project ${WORK_DIR}/drilled-shaft-si.qv3d)
set(report ${WORK_DIR}/probe.txt)

execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LD_PRELOAD=${PROBE} QUARLO_PROBE_REPORT=${report}
            HOME=${WORK_DIR}/home XDG_CONFIG_HOME=${WORK_DIR}/home/.config
            ${PREFIX}/bin/QUARLO2014 --run ${project}
    WORKING_DIRECTORY ${WORK_DIR}/home
    TIMEOUT 240 RESULT_VARIABLE exit_code OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT EXISTS ${report})
    message(FATAL_ERROR "the installed program ended (${exit_code}) before it stood idle:\n${output}")
endif()
file(STRINGS ${report} seen)
string(REPLACE ";" "\n" seen_text "${seen}")
if(NOT exit_code EQUAL 0)
    message(FATAL_ERROR "the installed program ended with ${exit_code}; it showed:\n${seen_text}\n${output}")
endif()

function(expect line)
    if(NOT "${line}" IN_LIST seen)
        message(FATAL_ERROR "expected \"${line}\"; the installed program showed:\n${seen_text}")
    endif()
endfunction()

expect("caption=QUARLO 2014.3.2 - Drilled-shaft-si.qv3d")
expect("engine-beside-program=yes")
expect("help-title=QUARLO Help")
list(FILTER seen INCLUDE REGEX "^help-links=")
string(REGEX REPLACE "^help-links=" "" help_links "${seen}")
if(help_links LESS 10)
    message(FATAL_ERROR "the help's contents page links ${help_links} pages:\n${seen_text}")
endif()
file(STRINGS ${report} seen)

if("box=Run Analysis is not available yet." IN_LIST seen)
    message(STATUS "This build does not run analyses from the program: the run is not checked.")
    return()
endif()
get_filename_component(stem ${project} NAME_WE)
foreach(extension qv3o qv3p qv3r)
    if(NOT EXISTS ${WORK_DIR}/${stem}.${extension})
        message(FATAL_ERROR "the run wrote no ${stem}.${extension}; the program showed:\n${seen_text}")
    endif()
endforeach()
if(READS_PLOTS)
    expect("plots=loaded")
    list(FILTER seen INCLUDE REGEX "^graph-window=.")
    if(NOT seen)
        message(FATAL_ERROR "the combined plot did not open:\n${seen_text}")
    endif()
endif()
