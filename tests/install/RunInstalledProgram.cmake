cmake_minimum_required(VERSION 3.25)

# Starts the installed program as the desktop would, from another folder, on copies of an
# installed example, offscreen and with the probe loaded (probe/), twice:
#  - on a copy the installed runner has analysed: the project opens, the engine is found
#    beside the program, the graphs are read from the runner's plot data file (once the
#    program reads plot data) and the combined plot opens, and the help's contents page links
#    the manuals built into the program;
#  - with --run on a fresh copy: the run writes the report, plot data and run notes and the
#    graphs show its results (once the program runs analyses).
set(example ${PREFIX}/share/quarlo/examples/drilled-shaft-si.qv3d)
get_filename_component(stem ${example} NAME_WE)
file(REMOVE_RECURSE ${WORK_DIR})

# Runs the installed program with `arguments` in WORK_DIR/<name>, and sets `seen` to the lines
# the probe wrote and `seen_text` to them as text.
function(run_program name)
    set(folder ${WORK_DIR}/${name})
    set(report ${folder}/probe.txt)
    file(MAKE_DIRECTORY ${folder}/home)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LD_PRELOAD=${PROBE} QUARLO_PROBE_REPORT=${report}
                HOME=${folder}/home XDG_CONFIG_HOME=${folder}/home/.config ${PREFIX}/bin/QUARLO2014 ${ARGN}
        WORKING_DIRECTORY ${folder}/home
        TIMEOUT 240 RESULT_VARIABLE exit_code OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT EXISTS ${report})
        message(FATAL_ERROR "the installed program ended (${exit_code}) before it stood idle:\n${output}")
    endif()
    file(STRINGS ${report} lines)
    string(REPLACE ";" "\n" text "${lines}")
    if(NOT exit_code EQUAL 0)
        message(FATAL_ERROR "the installed program ended with ${exit_code}; it showed:\n${text}\n${output}")
    endif()
    set(seen "${lines}" PARENT_SCOPE)
    set(seen_text "${text}" PARENT_SCOPE)
endfunction()

function(expect line)
    if(NOT "${line}" IN_LIST seen)
        message(FATAL_ERROR "expected \"${line}\"; the installed program showed:\n${seen_text}")
    endif()
endfunction()

function(expect_graphs)
    expect("plots=loaded")
    set(graph_windows "${seen}")
    list(FILTER graph_windows INCLUDE REGEX "^graph-window=.")
    if(NOT graph_windows)
        message(FATAL_ERROR "the combined plot did not open:\n${seen_text}")
    endif()
endfunction()

# Opened after the runner's analysis.
file(MAKE_DIRECTORY ${WORK_DIR}/open)
file(COPY ${example} DESTINATION ${WORK_DIR}/open)
execute_process(COMMAND ${PREFIX}/bin/quarlo-run ${WORK_DIR}/open/${stem}.qv3d OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the installed runner could not analyse ${stem}.qv3d")
endif()
run_program(open ${WORK_DIR}/open/${stem}.qv3d)
expect("caption=QUARLO 2014.3.2 - Drilled-shaft-si.qv3d")
expect("engine-beside-program=yes")
expect("help-title=QUARLO Help")
set(help_links "${seen}")
list(FILTER help_links INCLUDE REGEX "^help-links=")
string(REGEX REPLACE "^help-links=" "" help_links "${help_links}")
if(help_links LESS 10)
    message(FATAL_ERROR "the help's contents page links ${help_links} pages:\n${seen_text}")
endif()
expect_graphs()

# Run at start-up.
file(MAKE_DIRECTORY ${WORK_DIR}/run)
file(COPY ${example} DESTINATION ${WORK_DIR}/run)
run_program(run --run ${WORK_DIR}/run/${stem}.qv3d)
expect("caption=QUARLO 2014.3.2 - Drilled-shaft-si.qv3d")
foreach(extension qv3o qv3p qv3r)
    if(NOT EXISTS ${WORK_DIR}/run/${stem}.${extension})
        message(FATAL_ERROR "the run wrote no ${stem}.${extension}; the program showed:\n${seen_text}")
    endif()
endforeach()
expect_graphs()
