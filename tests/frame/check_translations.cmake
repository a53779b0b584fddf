# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Runs lupdate over the code into copies of the .ts sources and fails when a key used in the
# code has no finished translation, or a catalogue key is no longer used by the code.
string(REPLACE "|" ";" SCAN_DIRS "${SCAN_DIRS}")
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(GLOB _ts ${TS_DIR}/*.ts)
set(_copies)
foreach(_file IN LISTS _ts)
    get_filename_component(_name ${_file} NAME)
    configure_file(${_file} ${WORK_DIR}/${_name} COPYONLY)
    list(APPEND _copies ${WORK_DIR}/${_name})
endforeach()

execute_process(COMMAND ${LUPDATE} -silent -locations none -no-ui-lines -extensions cpp,h,ui ${SCAN_DIRS} -ts ${_copies}
    RESULT_VARIABLE _result OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${_out}")
endif()
# The same clean-up as the documented refresh target.
string(REPLACE ";" "|" _copies_arg "${_copies}")
execute_process(COMMAND ${CMAKE_COMMAND} -DTS_FILES=${_copies_arg} -P ${STRIP_SCRIPT} RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "stripping non-key rows failed")
endif()

set(_failures)
foreach(_copy IN LISTS _copies)
    file(READ ${_copy} _content)
    get_filename_component(_name ${_copy} NAME)
    # After the clean-up no unfinished row of any kind may remain (form titles and placeholders
    # carry no catalogue row by design); unused keys count only when every family was scanned.
    string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"unfinished\"" _bad "${_content}")
    if(ALL_FAMILIES)
        string(REGEX MATCHALL
            "<source>STR_[A-Za-z0-9_]+</source>[ \t\r\n]*<translation type=\"(vanished|obsolete)\""
            _unused "${_content}")
        list(APPEND _bad ${_unused})
    endif()
    foreach(_entry IN LISTS _bad)
        string(REGEX REPLACE "[ \t\r\n]+" " " _entry "${_entry}")
        list(APPEND _failures "${_name}: ${_entry}")
    endforeach()
endforeach()
if(_failures)
    string(REPLACE ";" "\n  " _list "${_failures}")
    message(FATAL_ERROR "Translation keys out of step with the code:\n  ${_list}")
endif()
message(STATUS "Every STR_ key used in the code has a finished row in each catalogue.")
