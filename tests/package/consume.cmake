# Builds and runs the consumer project twice: against the build tree, then against an install.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
    endif()
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
run(${CMAKE_COMMAND} -S "${CONSUMER_SOURCE_DIR}" -B "${WORK_DIR}/from-build"
    -Dtypekit_DIR=${TYPEKIT_BUILD_DIR})
run(${CMAKE_COMMAND} --build "${WORK_DIR}/from-build")
run("${WORK_DIR}/from-build/consumer")

run(${CMAKE_COMMAND} --install "${TYPEKIT_BUILD_DIR}" --prefix "${WORK_DIR}/prefix")
run(${CMAKE_COMMAND} -S "${CONSUMER_SOURCE_DIR}" -B "${WORK_DIR}/from-install"
    -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix)
run(${CMAKE_COMMAND} --build "${WORK_DIR}/from-install")
run("${WORK_DIR}/from-install/consumer")
message(STATUS "the package works from the build tree and from an install")
