# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Compiled-in resources: the translation catalogue, built from the .ts sources by lrelease,
# and the six message images. Included from the top-level list so the generated files
# belong to the same directory as the WidgetDeck target.
set(_wd_res ${PROJECT_SOURCE_DIR}/resources)
set(_wd_ts
    ${_wd_res}/translations/tr_libwidgetdeck_en.ts
    ${_wd_res}/translations/tr_libwidgetdeck_zh_CN.ts)
set_source_files_properties(${_wd_ts} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/qm)
if(WIDGETDECK_QT_MAJOR STREQUAL "6")
    qt6_add_translation(_wd_qm ${_wd_ts})
else()
    qt5_add_translation(_wd_qm ${_wd_ts})
endif()

set(_wd_qrc ${CMAKE_CURRENT_BINARY_DIR}/libwidgetdeck.qrc)
set(_wd_qrc_body "<RCC>\n  <qresource prefix=\"/\">\n")
foreach(_lang en zh_CN)
    string(APPEND _wd_qrc_body
        "    <file alias=\"qm/tr_libwidgetdeck_${_lang}\">${CMAKE_CURRENT_BINARY_DIR}/qm/tr_libwidgetdeck_${_lang}.qm</file>\n")
endforeach()
set(_wd_images)
foreach(_img information critical warning question success failure)
    foreach(_variant ${_img} ${_img}@2x)
        string(APPEND _wd_qrc_body
            "    <file alias=\"img/commonImge/${_variant}\">${_wd_res}/img/commonImge/${_variant}</file>\n")
        list(APPEND _wd_images ${_wd_res}/img/commonImge/${_variant})
    endforeach()
endforeach()
string(APPEND _wd_qrc_body "  </qresource>\n</RCC>\n")
file(GENERATE OUTPUT ${_wd_qrc} CONTENT "${_wd_qrc_body}")

# The generated registration code registers the tree from a static constructor when the
# library is loaded and unregisters it from the matching destructor at unload; libraryload.cpp
# does the same for the accessibility factory.
add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/qrc_libwidgetdeck.cpp
    COMMAND ${WIDGETDECK_QT}::rcc --no-compress --name libwidgetdeck --output ${CMAKE_CURRENT_BINARY_DIR}/qrc_libwidgetdeck.cpp ${_wd_qrc}
    DEPENDS ${_wd_qm} ${_wd_qrc} ${_wd_images}
    COMMENT "Compiling the WidgetDeck resource tree"
    VERBATIM)
target_sources(WidgetDeck PRIVATE
    ${CMAKE_CURRENT_BINARY_DIR}/qrc_libwidgetdeck.cpp
    ${_wd_res}/dllmain.cpp
    ${_wd_res}/libraryload.cpp)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/qrc_libwidgetdeck.cpp PROPERTIES
    SKIP_AUTOGEN ON)

if(WIDGETDECK_TOP_LEVEL)
    add_subdirectory(resources/tools)
    add_subdirectory(docs)
endif()

# Refreshes the .ts sources from the code and forms. lupdate keeps every existing
# translation; keys it no longer finds are kept and marked, never dropped.
# The base view classes of formcore translate through the same catalogue.
set(_wd_scan_dirs ${PROJECT_SOURCE_DIR}/formcore)
foreach(family IN LISTS WIDGETDECK_FAMILIES)
    list(APPEND _wd_scan_dirs ${PROJECT_SOURCE_DIR}/${family})
endforeach()
# Form texts that are not STR_ keys are dropped again afterwards, so a refresh leaves no
# unfinished rows behind.
string(REPLACE ";" "|" _wd_ts_arg "${_wd_ts}")
add_custom_target(widgetdeck_lupdate
    COMMAND ${WIDGETDECK_QT}::lupdate -silent -locations none -no-ui-lines -extensions cpp,h,ui ${_wd_scan_dirs} -ts ${_wd_ts}
    COMMAND ${CMAKE_COMMAND} -DTS_FILES=${_wd_ts_arg} -P ${_wd_res}/strip_nonkeys.cmake
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Refreshing the translation sources from the code"
    VERBATIM)
