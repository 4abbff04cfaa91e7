# Shows binary compatibility by running code: the plug-in example as it was when the baselines
# were written, built against the libraries of that commit, runs its Qt Test against this build's
# libraries. The old libraries are deleted before the run, so the test can only load the new ones.
# Run by CTest (abi/CMakeLists.txt) with GIT, SOURCE_DIR, WORK_DIR, LIBRARY_PATH, TOOLCHAIN and
# BASELINE_TOOLCHAIN.
include("${SOURCE_DIR}/tests/package/run.cmake")
if(NOT TOOLCHAIN STREQUAL BASELINE_TOOLCHAIN)
    message("skipped: the baselines describe a build with ${BASELINE_TOOLCHAIN}; this one is ${TOOLCHAIN}")
    return()
endif()
if(NOT GIT OR NOT EXISTS "${SOURCE_DIR}/.git")
    message("skipped: the sources are not a git checkout, so the baselines' commit cannot be built")
    return()
endif()
# The baselines' commit: the last one that wrote them.
run("${GIT}" -C "${SOURCE_DIR}" log -1 --format=%H -- "abi/*.abi.xz")
set(commit "${out}")
if(NOT commit)
    message("skipped: no commit in this checkout's history wrote the baselines (a shallow clone?)")
    return()
endif()

# Kept between runs: the old build is made once per baselines' commit.
set(old "${WORK_DIR}/${commit}")
if(NOT EXISTS "${old}/plugin/tst_orderjournal")
    file(REMOVE_RECURSE "${WORK_DIR}")
    file(MAKE_DIRECTORY "${old}/source")
    run("${GIT}" -C "${SOURCE_DIR}" archive --format=tar --output "${old}/source.tar" "${commit}")
    run("${CMAKE_COMMAND}" -E chdir "${old}/source" "${CMAKE_COMMAND}" -E tar xf "${old}/source.tar")
    # Unoptimised and without debug information: the quickest build, and ABI does not depend on it.
    run("${CMAKE_COMMAND}" -S "${old}/source" -B "${old}/build" -DCMAKE_BUILD_TYPE=
        -DTYPEKIT_BUILD_TESTS=OFF -DTYPEKIT_BUILD_EXAMPLES=OFF)
    cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
    run("${CMAKE_COMMAND}" --build "${old}/build" --parallel ${cores})
    run("${CMAKE_COMMAND}" --install "${old}/build" --prefix "${old}/prefix")
    # No run path: the libraries come from LD_LIBRARY_PATH alone.
    run("${CMAKE_COMMAND}" -S "${old}/source/examples/plugin" -B "${old}/plugin"
        "-DCMAKE_PREFIX_PATH=${old}/prefix" -DCMAKE_SKIP_RPATH=ON)
    run("${CMAKE_COMMAND}" --build "${old}/plugin" --parallel ${cores})
    file(REMOVE_RECURSE "${old}/build" "${old}/source" "${old}/source.tar")
endif()
file(GLOB stale "${old}/prefix/lib*/lib*.so*")
if(stale)
    file(REMOVE ${stale})
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E env "LD_LIBRARY_PATH=${LIBRARY_PATH}" QT_QPA_PLATFORM=offscreen
                        ldd "${old}/plugin/tst_orderjournal"
                OUTPUT_VARIABLE libraries)
string(REGEX MATCHALL "lib(typekit|samplehost|testsupport|basekit)\\.so[^\n]*" libraries "${libraries}")
list(JOIN libraries "\n  " libraries)
message("the plug-in's test of ${commit} loads:\n  ${libraries}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "LD_LIBRARY_PATH=${LIBRARY_PATH}" QT_QPA_PLATFORM=offscreen
                        "${old}/plugin/tst_orderjournal"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the plug-in built at the baselines (${commit}) fails against this build's libraries:\n${out}\n${err}")
endif()
string(REGEX MATCH "Totals: [^\n]*" totals "${out}")
message("the plug-in built at the baselines passes against this build's libraries: ${totals}")
