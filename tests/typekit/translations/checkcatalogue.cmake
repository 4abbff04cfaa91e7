# Runs lupdate over the library's sources into a fresh catalogue and compares it with the one in
# the repository, so that a display text added without refreshing the catalogues is caught.
# -DLUPDATE=<lupdate> -DSOURCE_DIR=<src/typekit> -DCATALOGUE=<typekit.ts> -DWORK_DIR=<dir>
file(MAKE_DIRECTORY "${WORK_DIR}")
file(REMOVE "${WORK_DIR}/typekit.ts")
execute_process(
    COMMAND "${LUPDATE}" "${SOURCE_DIR}" -locations none -no-obsolete -ts "${WORK_DIR}/typekit.ts"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${result}")
endif()
file(READ "${WORK_DIR}/typekit.ts" fresh)
file(READ "${CATALOGUE}" kept)
if(NOT fresh STREQUAL kept)
    message(FATAL_ERROR "${CATALOGUE} is out of date: build the target typekit_lupdate and commit the catalogues")
endif()
