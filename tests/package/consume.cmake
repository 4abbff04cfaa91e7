# Builds outside projects against typekit as plug-in authors do, and runs what they build:
#  - the GUI consumer (tests/package, Widgets component) against the build tree and an install;
#  - the plug-in example (examples/plugin) and its Qt Test against the install, on a machine
#    state where Qt Gui and Widgets cannot be found: it needs Qt Core only.
# The install stays in WORK_DIR/prefix for the pkg-config consumer (pkgconfig.cmake).
include("${CMAKE_CURRENT_LIST_DIR}/run.cmake")

# Configures, builds and runs the GUI consumer with the given package location.
function(consume name)
    set(build "${WORK_DIR}/${name}")
    run(${CMAKE_COMMAND} -S "${CONSUMER_SOURCE_DIR}" -B "${build}" ${ARGN})
    run(${CMAKE_COMMAND} --build "${build}")
    run("${build}/consumer")
    run("${build}/controlconsumer")
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
consume(from-build -Dtypekit_DIR=${TYPEKIT_BUILD_DIR})

set(prefix "${WORK_DIR}/prefix")
run(${CMAKE_COMMAND} --install "${TYPEKIT_BUILD_DIR}" --prefix "${prefix}")
consume(from-install -DCMAKE_PREFIX_PATH=${prefix})

# The libraries' targets state C++17 and keep Qt Gui and Widgets out of what they pass on.
file(READ "${prefix}/${TYPEKIT_CMAKE_DIR}/typekitTargets.cmake" targets)
string(REGEX MATCH "INTERFACE_LINK_LIBRARIES \"[^\"]*Qt6::(Gui|Widgets)" gui "${targets}")
if(gui)
    message(FATAL_ERROR "a library's target passes Qt Gui or Widgets on: ${gui}")
endif()
if(NOT targets MATCHES "INTERFACE_COMPILE_FEATURES \"cxx_std_17\"")
    message(FATAL_ERROR "the targets do not state C++17")
endif()

set(plugin "${WORK_DIR}/plugin")
run(${CMAKE_COMMAND} -S "${PLUGIN_SOURCE_DIR}" -B "${plugin}" -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Gui=ON -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Widgets=ON)
if("${out}${err}" MATCHES "Could NOT find")
    message(FATAL_ERROR "the plug-in's configuration looked for what it does not need:\n${out}")
endif()
run(${CMAKE_COMMAND} --build "${plugin}")
run(${CMAKE_CTEST_COMMAND} --test-dir "${plugin}" --output-on-failure)
message(STATUS "the package works from the build tree and from an install; the plug-in example passes its tests")
