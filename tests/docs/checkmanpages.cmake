# Checks the manual pages: groff and man format them without a single warning, and each page names
# every option that its program's --help lists.
#
#   cmake -DPAGES=page1;page2 -DPROGRAMS=exe1;exe2 -P checkmanpages.cmake
# PROGRAMS pairs with PAGES; an empty entry ("-") skips the option check for that page.

find_program(GROFF groff)
find_program(MAN man)
if(NOT GROFF OR NOT MAN)
    message(FATAL_ERROR "groff and man are needed to check the manual pages (Debian: groff-base, man-db)")
endif()

set(failures "")
list(LENGTH PAGES count)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
    list(GET PAGES ${i} page)
    list(GET PROGRAMS ${i} program)
    get_filename_component(name ${page} NAME)

    execute_process(COMMAND ${GROFF} -ww -man -z ${page} RESULT_VARIABLE status ERROR_VARIABLE warnings)
    if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
        string(APPEND failures "${name}: groff -ww -man: ${warnings}\n")
    endif()

    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                            ${MAN} --warnings -E UTF-8 -l ${page}
                    RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE warnings)
    if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
        string(APPEND failures "${name}: man --warnings: ${warnings}\n")
    endif()
    if(NOT text MATCHES "NAME.*SYNOPSIS.*DESCRIPTION.*OPTIONS.*EXIT STATUS")
        string(APPEND failures "${name}: the sections NAME, SYNOPSIS, DESCRIPTION, OPTIONS, EXIT STATUS are not all there\n")
    endif()

    if(NOT program STREQUAL "-")
        execute_process(COMMAND ${program} --help RESULT_VARIABLE status OUTPUT_VARIABLE help)
        string(REGEX MATCHALL "(^|[ \n])--?[a-z][a-z-]*" options "${help}")
        if(NOT status EQUAL 0 OR options STREQUAL "")
            string(APPEND failures "${name}: ${program} --help lists no options\n")
        endif()
        foreach(option IN LISTS options)
            string(STRIP "${option}" option)
            string(FIND "${text}" "${option}" at)
            if(at EQUAL -1)
                string(APPEND failures "${name}: the option ${option} of ${program} --help is missing\n")
            endif()
        endforeach()
    endif()
endforeach()

if(NOT failures STREQUAL "")
    message(FATAL_ERROR "${failures}")
endif()
