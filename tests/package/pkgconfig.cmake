# Builds a program through pkg-config against the install that consume.cmake made, and runs it.
include("${CMAKE_CURRENT_LIST_DIR}/run.cmake")

if(NOT PKG_CONFIG)
    message("pkg-config is missing: skipped")
    return()
endif()
string(REPLACE "," ";" MODULES "${MODULES}")
set(ENV{PKG_CONFIG_PATH} "${PREFIX}/${TYPEKIT_PKGCONFIG_DIR}")
# Every file is valid and finds what it requires.
run(${PKG_CONFIG} --exists --print-errors ${MODULES})
run(${PKG_CONFIG} --cflags --libs typekit samplehost)
separate_arguments(flags UNIX_COMMAND "${out}")
run(${PKG_CONFIG} --variable=libdir typekit)
set(program "${WORK_DIR}/pkgconfig-consumer")
run(${CXX} -std=c++17 "${SOURCE}" ${flags} "-Wl,-rpath,${out}" -o "${program}")
run("${program}")
message(STATUS "a program built through pkg-config runs: ${out}")
