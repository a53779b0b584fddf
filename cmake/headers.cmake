# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Public headers per family, the umbrella header built from them, and forwarding headers
# so hosts may write <WidgetDeck/qokcancel.h> and <FormCore/qbasedlg.h> as well as the bare
# names, both from the build tree (add_subdirectory) and from an installed package.

# Writes CONTENT to FILE only when it differs, so a reconfigure rebuilds nothing.
function(widgetdeck_write_if_changed file content)
    if(EXISTS ${file})
        file(READ ${file} _old)
        if(_old STREQUAL content)
            return()
        endif()
    endif()
    file(WRITE ${file} "${content}")
endfunction()

set(WIDGETDECK_FRAME_PUBLIC_HEADERS
    ${PROJECT_SOURCE_DIR}/frame/widgetdeck_export.h
    ${PROJECT_SOURCE_DIR}/frame/widgetdecktypes.h
    ${WIDGETDECK_GENERATED_INCLUDE_DIR}/widgetdeck_version.h)
set(WIDGETDECK_FORMCORE_PUBLIC_HEADERS
    ${PROJECT_SOURCE_DIR}/formcore/formcore_export.h
    ${PROJECT_SOURCE_DIR}/formcore/qbasedlg.h
    ${PROJECT_SOURCE_DIR}/formcore/qbasestylewidget.h
    ${PROJECT_SOURCE_DIR}/formcore/qwindowdragger.h)

set(WIDGETDECK_PUBLIC_HEADERS ${WIDGETDECK_FRAME_PUBLIC_HEADERS})
set(_wd_umbrella "")
foreach(family IN LISTS WIDGETDECK_FAMILIES)
    file(GLOB _headers ${PROJECT_SOURCE_DIR}/${family}/*.h)
    string(APPEND _wd_umbrella "// ${family}\n")
    foreach(header IN LISTS _headers)
        get_filename_component(_name ${header} NAME)
        if(NOT _name MATCHES "_p\\.h$" AND NOT _name IN_LIST WIDGETDECK_INTERNAL_HEADERS)
            list(APPEND WIDGETDECK_PUBLIC_HEADERS ${header})
            string(APPEND _wd_umbrella "#include \"${_name}\"\n")
        endif()
    endforeach()
    string(APPEND _wd_umbrella "\n")
endforeach()
set(WIDGETDECK_UMBRELLA_INCLUDES "${_wd_umbrella}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/widgetdeck.h.in
    ${WIDGETDECK_GENERATED_INCLUDE_DIR}/widgetdeck.h @ONLY)
list(APPEND WIDGETDECK_PUBLIC_HEADERS ${WIDGETDECK_GENERATED_INCLUDE_DIR}/widgetdeck.h)

# Build tree: include-prefixed/WidgetDeck/<name> includes the source header by its path.
# Installed: include/WidgetDeck<suffix>/WidgetDeck/<name> includes "../<name>" beside it.
set(WIDGETDECK_PREFIXED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include-prefixed)
set(WIDGETDECK_INSTALL_FORWARD_DIR ${PROJECT_BINARY_DIR}/install-forward)
set(WIDGETDECK_INSTALL_FORWARD_HEADERS)
set(WIDGETDECK_INSTALL_FORWARD_FORMCORE_HEADERS)
foreach(prefix WidgetDeck FormCore)
    if(prefix STREQUAL "WidgetDeck")
        set(_headers ${WIDGETDECK_PUBLIC_HEADERS})
    else()
        set(_headers ${WIDGETDECK_FORMCORE_PUBLIC_HEADERS})
    endif()
    file(MAKE_DIRECTORY ${WIDGETDECK_PREFIXED_INCLUDE_DIR}/${prefix})
    foreach(header IN LISTS _headers)
        get_filename_component(_name ${header} NAME)
        widgetdeck_write_if_changed(${WIDGETDECK_PREFIXED_INCLUDE_DIR}/${prefix}/${_name}
            "#include \"${header}\"\n")
        widgetdeck_write_if_changed(${WIDGETDECK_INSTALL_FORWARD_DIR}/${prefix}/${_name}
            "#include \"../${_name}\"\n")
        if(prefix STREQUAL "WidgetDeck")
            list(APPEND WIDGETDECK_INSTALL_FORWARD_HEADERS ${WIDGETDECK_INSTALL_FORWARD_DIR}/${prefix}/${_name})
        else()
            list(APPEND WIDGETDECK_INSTALL_FORWARD_FORMCORE_HEADERS ${WIDGETDECK_INSTALL_FORWARD_DIR}/${prefix}/${_name})
        endif()
    endforeach()
endforeach()
target_include_directories(FormCore PUBLIC $<BUILD_INTERFACE:${WIDGETDECK_PREFIXED_INCLUDE_DIR}>)
