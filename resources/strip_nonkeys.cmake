# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Drops the rows lupdate adds for form texts that are not catalogue keys (window titles,
# placeholder captions): the library translates STR_ keys only, so such rows would sit in
# every catalogue as unfinished work. Rows with a finished translation are always kept.
#   cmake "-DTS_FILES=a.ts|b.ts" -P strip_nonkeys.cmake
cmake_minimum_required(VERSION 3.16)
string(REPLACE "|" ";" TS_FILES "${TS_FILES}")
foreach(_file IN LISTS TS_FILES)
    file(READ ${_file} _rest)
    set(_out "")
    set(_changed OFF)
    while(TRUE)
        string(FIND "${_rest}" "<message" _start)
        if(_start EQUAL -1)
            break()
        endif()
        string(SUBSTRING "${_rest}" 0 ${_start} _head)
        string(APPEND _out "${_head}")
        string(SUBSTRING "${_rest}" ${_start} -1 _rest)
        string(FIND "${_rest}" "</message>" _end)
        math(EXPR _end "${_end} + 10")
        string(SUBSTRING "${_rest}" 0 ${_end} _message)
        string(SUBSTRING "${_rest}" ${_end} -1 _rest)
        if("${_message}" MATCHES "<source>STR_" OR NOT "${_message}" MATCHES "type=\"unfinished\"")
            string(APPEND _out "${_message}")
        else()
            set(_changed ON)
            string(REGEX REPLACE "[ \t]+$" "" _out "${_out}")
            string(REGEX REPLACE "^\r?\n" "" _rest "${_rest}")
        endif()
    endwhile()
    string(APPEND _out "${_rest}")
    if(_changed)
        string(REGEX REPLACE "<context>[ \t\r\n]*<name>[^<]*</name>[ \t\r\n]*</context>\r?\n" "" _out "${_out}")
        file(WRITE ${_file} "${_out}")
    endif()
endforeach()
