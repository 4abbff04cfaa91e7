# Compares a built library with its baseline and fails on any change that breaks a program built
# against the baseline: a removed or changed function or variable (a changed signature, a changed
# layout or vtable of a type it uses), a removed symbol, a changed soname. Additions are listed and
# pass. Run by CTest (abi/CMakeLists.txt) with ABIDIFF, XZ, BASELINE, LIBRARY, HEADERS, WORK_DIR,
# TOOLCHAIN and BASELINE_TOOLCHAIN.
get_filename_component(name "${BASELINE}" NAME_WE)
if(NOT TOOLCHAIN STREQUAL BASELINE_TOOLCHAIN)
    message("skipped: the baselines describe a build with ${BASELINE_TOOLCHAIN}; this one is ${TOOLCHAIN}")
    return()
endif()

file(MAKE_DIRECTORY "${WORK_DIR}")
set(baseline "${WORK_DIR}/${name}.abi")
execute_process(COMMAND "${XZ}" -dc "${BASELINE}" OUTPUT_FILE "${baseline}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cannot read the baseline ${BASELINE}")
endif()

# Only the types of the installed headers count: a private class behind a d-pointer may change.
execute_process(COMMAND "${ABIDIFF}" --hd1 "${HEADERS}" --hd2 "${HEADERS}" --no-show-locs "${baseline}" "${LIBRARY}"
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE errors)
# abidiff's status is a set of bits: 1 error, 2 usage error, 4 a change, 8 an incompatible change.
# A change (4) may be an addition only, so the report's summary decides.
if(result GREATER_EQUAL 16 OR NOT result MATCHES "^[0-9]+$")
    message(FATAL_ERROR "abidiff did not run (${result}): ${errors}")
endif()
math(EXPR error "${result} & 3")
math(EXPR incompatible "${result} & 8")
if(NOT error EQUAL 0)
    message(FATAL_ERROR "abidiff failed (${result}):\n${errors}\n${report}")
endif()

set(problems "")
if(NOT incompatible EQUAL 0)
    list(APPEND problems "abidiff calls the change incompatible")
endif()
# "Functions changes summary: 0 Removed, 1 Changed (3 filtered out), 2 Added functions", the
# same for variables and for the symbols without debug information.
string(REGEX MATCHALL "[A-Za-z ]+changes summary: [^\n]*" summaries "${report}")
set(removed FALSE)
set(changed "")
foreach(summary IN LISTS summaries)
    if(summary MATCHES "([1-9][0-9]*) Removed")
        set(removed TRUE)
        list(APPEND problems "${summary}")
    elseif(summary MATCHES "([1-9][0-9]*) Changed")
        list(APPEND changed "${summary}")
    endif()
endforeach()
# The full report also calls a function changed when the only change under it is in a type the
# headers do not define: a private class behind a std::unique_ptr d-pointer, which may change.
# The leaf report names only the types and functions that changed themselves, so it decides
# whether a change that nothing removed reaches the public interface.
if(changed AND NOT removed AND incompatible EQUAL 0)
    execute_process(COMMAND "${ABIDIFF}" --hd1 "${HEADERS}" --hd2 "${HEADERS}" --no-show-locs --leaf-changes-only
                            "${baseline}" "${LIBRARY}"
                    RESULT_VARIABLE leafResult OUTPUT_VARIABLE leafReport ERROR_VARIABLE leafErrors)
    set(leafFailed TRUE)
    if(leafResult MATCHES "^[0-9]+$" AND leafResult LESS 16)
        math(EXPR leafFailed "${leafResult} & 11") # an error, or an incompatible change
    endif()
    # Additions are fine; a changed leaf type, or a removed or changed function or variable, is not.
    if(leafFailed OR leafReport MATCHES "leaf types summary: [1-9]" OR leafReport MATCHES "[1-9][0-9]* (Removed|Changed)")
        list(APPEND problems ${changed})
    else()
        set(report "changes in private types only (the full report follows)\n${report}")
    endif()
elseif(changed)
    list(APPEND problems ${changed})
endif()
if(report MATCHES "SONAME changed")
    list(APPEND problems "the soname changed")
endif()
if(report MATCHES "architecture changed")
    list(APPEND problems "the architecture changed")
endif()

# abidiff's own verdicts on vtables and layouts, once each, ahead of the whole report.
string(REGEX MATCHALL "note that this is an ABI incompatible change[^\n]*" notes "${report}")
list(REMOVE_DUPLICATES notes)
list(APPEND problems ${notes})
if(problems)
    list(JOIN problems "\n  " problems)
    message(FATAL_ERROR "lib${name}: the binary interface of ${BASELINE} is broken:\n  ${problems}\n\n${report}\n"
                        "A plug-in built against the baseline would not load or would misbehave. Make the change "
                        "compatibly (README, \"Binary compatibility\"), or, for a new soname only, rewrite the "
                        "baselines: cmake --build <build> --target abi_baselines")
endif()
if(report)
    message("lib${name}: compatible with its baseline; additions:\n${report}")
else()
    message("lib${name}: the same binary interface as its baseline")
endif()
