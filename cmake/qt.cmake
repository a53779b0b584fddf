# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Qt 5 (the default) or Qt 6. WIDGETDECK_QT is the package prefix ("Qt5" or "Qt6") for
# imported targets; WIDGETDECK_NAME_SUFFIX ("" or "Qt6") goes into every installed name so
# both builds can share one prefix.
if(WIDGETDECK_QT_MAJOR STREQUAL "5")
    set(WIDGETDECK_NAME_SUFFIX "")
    set(WIDGETDECK_QT_MIN 5.15)
elseif(WIDGETDECK_QT_MAJOR STREQUAL "6")
    set(WIDGETDECK_NAME_SUFFIX "Qt6")
    set(WIDGETDECK_QT_MIN 6.2)
else()
    message(FATAL_ERROR "WIDGETDECK_QT_MAJOR must be 5 or 6, not '${WIDGETDECK_QT_MAJOR}'")
endif()
set(WIDGETDECK_QT Qt${WIDGETDECK_QT_MAJOR})
find_package(${WIDGETDECK_QT} ${WIDGETDECK_QT_MIN} REQUIRED
    COMPONENTS Core Gui Widgets Network LinguistTools)
find_package(${WIDGETDECK_QT} ${WIDGETDECK_QT_MIN} QUIET COMPONENTS UiPlugin)
set(WIDGETDECK_UIPLUGIN_FOUND ${${WIDGETDECK_QT}UiPlugin_FOUND})
set(WIDGETDECK_QT_EXTRA_LIBS)

# Qt's plugin folder relative to its prefix (lib/x86_64-linux-gnu/qt5/plugins on Debian),
# so the Designer plugin lands where that Qt's Designer looks under the same prefix.
function(widgetdeck_qt_plugin_dir out)
    set(_dir "")
    if(WIDGETDECK_QT_MAJOR STREQUAL "6" AND DEFINED QT6_INSTALL_PLUGINS)
        set(_dir ${QT6_INSTALL_PLUGINS})
    else()
        get_target_property(_qmake ${WIDGETDECK_QT}::qmake IMPORTED_LOCATION)
        if(_qmake)
            execute_process(COMMAND ${_qmake} -query QT_INSTALL_PLUGINS
                OUTPUT_VARIABLE _plugins OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _rc)
            execute_process(COMMAND ${_qmake} -query QT_INSTALL_PREFIX
                OUTPUT_VARIABLE _prefix OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(_rc EQUAL 0 AND _plugins AND _prefix)
                file(RELATIVE_PATH _dir ${_prefix} ${_plugins})
            endif()
        endif()
    endif()
    if(NOT _dir)
        set(_dir ${CMAKE_INSTALL_LIBDIR}/qt${WIDGETDECK_QT_MAJOR}/plugins)
    endif()
    set(${out} ${_dir} PARENT_SCOPE)
endfunction()

# Qt 6 moved QRegExp, QTextCodec and friends to Core5Compat; link it only while a built
# source still names one of them.
function(widgetdeck_check_core5compat)
    if(NOT WIDGETDECK_QT_MAJOR STREQUAL "6")
        return()
    endif()
    set(_users)
    foreach(_dir formcore ${WIDGETDECK_FAMILIES})
        file(GLOB _files ${PROJECT_SOURCE_DIR}/${_dir}/*.cpp ${PROJECT_SOURCE_DIR}/${_dir}/*.h)
        foreach(_file IN LISTS _files)
            file(STRINGS ${_file} _hits REGEX "QRegExp|QTextCodec|QStringRef|QLinkedList")
            if(_hits)
                list(APPEND _users ${_file})
            endif()
        endforeach()
    endforeach()
    if(_users)
        find_package(Qt6 REQUIRED COMPONENTS Core5Compat)
        list(LENGTH _users _count)
        message(STATUS "WidgetDeck: ${_count} sources still need Qt6::Core5Compat")
        set(WIDGETDECK_QT_EXTRA_LIBS Qt6::Core5Compat PARENT_SCOPE)
        set(WIDGETDECK_QT_EXTRA_COMPONENTS Core5Compat PARENT_SCOPE)
    endif()
endfunction()
