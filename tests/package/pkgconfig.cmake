# Builds programs through the pkg-config files of the install that consume.cmake made, and runs
# them: a headless one with Qt Core's files alone, and one with the controls.
include("${CMAKE_CURRENT_LIST_DIR}/run.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/coreconsumer.cmake")

if(NOT PKG_CONFIG)
    message("pkg-config is missing: skipped")
    return()
endif()
string(REPLACE "," ";" MODULES "${MODULES}")
set(pcdir "${PREFIX}/${TYPEKIT_PKGCONFIG_DIR}")
set(ENV{PKG_CONFIG_PATH} "${pcdir}")
# Every file is valid and finds what it requires.
run(${PKG_CONFIG} --exists --print-errors ${MODULES})

core_consumer(pkgconfig-consumer "${pcdir}")

run(${PKG_CONFIG} --cflags --libs widgetkit samplehost)
separate_arguments(flags UNIX_COMMAND "${out}")
run(${PKG_CONFIG} --variable=libdir widgetkit)
set(program "${WORK_DIR}/pkgconfig-control")
run(${CXX} -std=c++17 -fPIC "${CONTROL_SOURCE}" ${flags} "-Wl,-rpath,${out}" -o "${program}")
run("${program}")
message(STATUS "a program with the controls built through pkg-config runs: ${out}")
