# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# The gallery and the benchmark runner are split into one source per group of widget
# families. widgetdeck_page_groups(PREFIX DEFINE_PREFIX SOURCES_VAR DEFINES_VAR) returns the
# PREFIX<group>.cpp files present in the calling folder whose families are all built, and a
# DEFINE_PREFIX<GROUP> compile definition for each.
set(WIDGETDECK_PAGE_GROUPS
    "messages:dialogs"
    "numeric:cursor,numeric"
    "network:network,dialogs"
    "dialogs:dialogs,path"
    "buttons:buttons,inputs")

function(widgetdeck_page_groups prefix define_prefix sources_var defines_var)
    set(_sources)
    set(_defines)
    foreach(_entry IN LISTS WIDGETDECK_PAGE_GROUPS)
        string(REPLACE ":" ";" _parts "${_entry}")
        list(GET _parts 0 _group)
        list(GET _parts 1 _needs)
        string(REPLACE "," ";" _needs "${_needs}")
        widgetdeck_families_built(_ok ${_needs})
        if(_ok AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${prefix}${_group}.cpp)
            list(APPEND _sources ${prefix}${_group}.cpp)
            string(TOUPPER ${_group} _upper)
            list(APPEND _defines ${define_prefix}${_upper})
        endif()
    endforeach()
    set(${sources_var} ${_sources} PARENT_SCOPE)
    set(${defines_var} ${_defines} PARENT_SCOPE)
endfunction()
