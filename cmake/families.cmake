# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# The one list of widget families and what each needs besides the frame and the base classes.
# Every other part of the build (library, umbrella header, Designer plugin, gallery,
# benchmarks, tests) follows WIDGETDECK_FAMILIES as resolved here.
set(WIDGETDECK_KNOWN_FAMILIES dialogs cursor numeric network path buttons inputs)
# numeric and network embed the button bar of dialogs in their forms.
set(WIDGETDECK_FAMILY_NEEDS_numeric dialogs)
set(WIDGETDECK_FAMILY_NEEDS_network dialogs)

# Checks the requested list, adds the families it needs (or refuses, naming them, when
# WIDGETDECK_FAMILY_DEPENDENCIES is OFF) and sorts it in build order.
function(widgetdeck_resolve_families out)
    set(_requested ${ARGN})
    foreach(_family IN LISTS _requested)
        if(NOT _family IN_LIST WIDGETDECK_KNOWN_FAMILIES)
            message(FATAL_ERROR "WIDGETDECK_FAMILIES: unknown family '${_family}' "
                "(known: ${WIDGETDECK_KNOWN_FAMILIES})")
        endif()
    endforeach()
    set(_wanted ${_requested})
    set(_changed TRUE)
    while(_changed)
        set(_changed FALSE)
        foreach(_family IN LISTS _wanted)
            foreach(_need IN LISTS WIDGETDECK_FAMILY_NEEDS_${_family})
                if(NOT _need IN_LIST _wanted)
                    if(NOT WIDGETDECK_FAMILY_DEPENDENCIES)
                        message(FATAL_ERROR "WIDGETDECK_FAMILIES: family '${_family}' needs "
                            "family '${_need}'; add it to the list")
                    endif()
                    message(STATUS "WidgetDeck: family '${_family}' pulls in family '${_need}'")
                    list(APPEND _wanted ${_need})
                    set(_changed TRUE)
                endif()
            endforeach()
        endforeach()
    endwhile()
    set(_ordered)
    foreach(_family IN LISTS WIDGETDECK_KNOWN_FAMILIES)
        if(_family IN_LIST _wanted)
            list(APPEND _ordered ${_family})
        endif()
    endforeach()
    if(NOT _ordered)
        message(FATAL_ERROR "WIDGETDECK_FAMILIES is empty")
    endif()
    set(${out} ${_ordered} PARENT_SCOPE)
endfunction()

# widgetdeck_families_built(OUT family...) sets OUT to TRUE when every named family is
# among WIDGETDECK_FAMILIES, so optional parts can follow a narrowed build.
function(widgetdeck_families_built out)
    set(_all TRUE)
    foreach(_family IN LISTS ARGN)
        if(NOT _family IN_LIST WIDGETDECK_FAMILIES)
            set(_all FALSE)
        endif()
    endforeach()
    set(${out} ${_all} PARENT_SCOPE)
endfunction()

# One object library per family, WidgetDeck_<family>: its folder is its include directory,
# it sees the frame, the base classes and the families it needs, nothing else.
function(widgetdeck_add_family family)
    add_library(WidgetDeck_${family} OBJECT)
    set_target_properties(WidgetDeck_${family} PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    target_compile_definitions(WidgetDeck_${family} PRIVATE WIDGETDECK_LIBRARY)
    target_include_directories(WidgetDeck_${family} PUBLIC
        $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/${family}>)
    target_link_libraries(WidgetDeck_${family} PUBLIC WidgetDeck_frame)
    foreach(_need IN LISTS WIDGETDECK_FAMILY_NEEDS_${family})
        target_link_libraries(WidgetDeck_${family} PUBLIC WidgetDeck_${_need})
    endforeach()
    add_subdirectory(${PROJECT_SOURCE_DIR}/${family} ${PROJECT_BINARY_DIR}/${family})
endfunction()

# Gives TARGET the library's objects and include directories directly, for white-box tests
# and fuzzers that reach classes the shared library keeps hidden.
function(widgetdeck_link_objects target)
    target_sources(${target} PRIVATE ${WIDGETDECK_OBJECTS})
    target_compile_definitions(${target} PRIVATE WIDGETDECK_LIBRARY)
    foreach(_lib IN LISTS WIDGETDECK_OBJECT_LIBRARIES)
        target_include_directories(${target} PRIVATE
            $<TARGET_PROPERTY:${_lib},INTERFACE_INCLUDE_DIRECTORIES>)
    endforeach()
    target_link_libraries(${target} PRIVATE FormCore
        ${WIDGETDECK_QT}::Widgets ${WIDGETDECK_QT}::Network ${WIDGETDECK_QT_EXTRA_LIBS})
endfunction()
