# Fails when PROGRAM links Qt Widgets (or PrintSupport, which brings it): the
# program must run where no widget toolkit is wanted.
execute_process(COMMAND readelf -d ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "readelf failed on ${PROGRAM}")
endif()
string(REGEX MATCHALL "\\[libQt6[A-Za-z]+" libraries "${dynamic}")
foreach(lib IN LISTS libraries)
    if(lib MATCHES "Widgets|PrintSupport")
        message(FATAL_ERROR "${PROGRAM} links ${lib}")
    endif()
endforeach()
message(STATUS "${PROGRAM}: ${libraries}")
