# Runs the demo with its two output streams merged in the order written, and checks that the
# report it announces comes right after the announcement, not before the first heading.
# Usage: cmake -DDEMO=<path> -P checkorder.cmake
execute_process(COMMAND "${DEMO}" OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the demo failed (${result}):\n${output}")
endif()
string(REGEX MATCH "^\n== " starts "${output}")
if(NOT starts)
    message(FATAL_ERROR "the demo's output does not start with its first heading:\n${output}")
endif()
string(FIND "${output}" "is reported (on stderr):\ntypekit.report: ASSERT mms/exitstrategy/exitstrategylevel" announced)
if(announced EQUAL -1)
    message(FATAL_ERROR "the level report does not follow its announcement:\n${output}")
endif()
