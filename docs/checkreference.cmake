# Builds the API reference with warnings as errors and fails when a public class or struct has
# no description, or when the page "Writing a plug-in" (docs/writing-a-plugin.md) is missing or
# not linked from the main page. Run by CTest (docs_reference):
#   cmake -DDOXYGEN=<doxygen> -DDOXYFILE=<Doxyfile> -DOUTPUT=<directory> -P checkreference.cmake
file(REMOVE_RECURSE "${OUTPUT}")
file(MAKE_DIRECTORY "${OUTPUT}")
execute_process(COMMAND "${DOXYGEN}" "${DOXYFILE}" RESULT_VARIABLE result)
file(READ "${OUTPUT}/warnings.log" warnings)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "The reference has warnings:\n${warnings}")
endif()

# The pages of docs/ are part of the reference, and the README's sections lead to them.
set(page "${OUTPUT}/html/writing_a_plugin.html")
if(NOT EXISTS "${page}")
    message(FATAL_ERROR "The reference has no page \"Writing a plug-in\" (${page})")
endif()
file(READ "${OUTPUT}/html/index.html" mainPage)
string(FIND "${mainPage}" "href=\"writing_a_plugin.html" link)
if(link EQUAL -1)
    message(FATAL_ERROR "The main page does not link to the page \"Writing a plug-in\"")
endif()

# A compound's own description follows its members' sections in doxygen's XML.
file(GLOB compounds "${OUTPUT}/xml/class*.xml" "${OUTPUT}/xml/struct*.xml")
set(undescribed "")  # a text: the names of templates may hold ';'
foreach(compound IN LISTS compounds)
    file(READ "${compound}" xml)
    string(REGEX MATCH "<compoundname>([^<]*)</compoundname>" _ "${xml}")
    string(REPLACE "&lt;" "<" name "${CMAKE_MATCH_1}")
    string(REPLACE "&gt;" ">" name "${name}")
    string(FIND "${xml}" "</sectiondef>" last REVERSE)
    if(last GREATER -1)
        string(SUBSTRING "${xml}" ${last} -1 xml)
    endif()
    string(REGEX MATCH "<briefdescription>(.*)</detaileddescription>" _ "${xml}")
    if(NOT CMAKE_MATCH_1 MATCHES "<para>")
        string(APPEND undescribed "\n  ${name}")
    endif()
endforeach()
list(LENGTH compounds count)
if(undescribed)
    message(FATAL_ERROR "Public classes without a description:${undescribed}")
endif()
message(STATUS "${count} classes and structs, each described; no warnings")
