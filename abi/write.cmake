# Rewrites the ABI baselines from a build: only on purpose, for a new soname (README, "Binary
# compatibility"). Run by the abi_baselines target with ABIDW, XZ, WORK_DIR, LIBRARIES,
# VERSION, TOOLCHAIN and BASELINE_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(GLOB old "${BASELINE_DIR}/*.abi.xz")
if(old)
    file(REMOVE ${old})
endif()
foreach(library IN LISTS LIBRARIES)
    get_filename_component(file "${library}" NAME)
    string(REGEX REPLACE "^lib([^.]+)\\..*$" "\\1" name "${file}")
    set(description "${WORK_DIR}/${name}.abi")
    # Every type, with the name of the header that declares it and no directories: the check
    # tells the public types from the private ones by the installed headers' names, and the
    # baseline describes the interface, not the machine it was made on.
    execute_process(COMMAND "${ABIDW}" --no-corpus-path --no-comp-dir-path --short-locs --type-id-style hash
                            --out-file "${description}" "${library}"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "abidw failed on ${library}")
    endif()
    execute_process(COMMAND "${XZ}" -9 -c "${description}" OUTPUT_FILE "${BASELINE_DIR}/${name}.abi.xz"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "xz failed on ${description}")
    endif()
    message(STATUS "abi/${name}.abi.xz")
endforeach()
file(WRITE "${BASELINE_DIR}/baseline.cmake"
     "# Written by the abi_baselines target with the baselines beside it: the version they describe\n"
     "# and the build they were made from (compiler, Qt, build type).\n"
     "set(TYPEKIT_ABI_VERSION \"${VERSION}\")\n"
     "set(TYPEKIT_ABI_TOOLCHAIN \"${TOOLCHAIN}\")\n")
message(STATUS "The baselines describe ${VERSION} built with ${TOOLCHAIN}. Commit them with a line in the change log.")
