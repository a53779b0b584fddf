# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# widgetdeck_host_images(NAME OUT IMAGES...)
# Draws the named host images with widgetdeck-drawhostimages into this directory's build tree
# and compiles them into a resource source file registered as NAME; OUT receives its path.
function(widgetdeck_host_images name out)
    set(_dir ${CMAKE_CURRENT_BINARY_DIR}/${name})
    set(_qrc ${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc)
    set(_cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_${name}.cpp)
    set(_body "<RCC>\n  <qresource prefix=\"/\">\n")
    set(_files)
    foreach(_image IN LISTS ARGN)
        string(APPEND _body "    <file alias=\"${_image}\">${_dir}/${_image}</file>\n")
        list(APPEND _files ${_dir}/${_image})
    endforeach()
    string(APPEND _body "  </qresource>\n</RCC>\n")
    file(GENERATE OUTPUT ${_qrc} CONTENT "${_body}")
    add_custom_command(OUTPUT ${_files}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:widgetdeck-drawhostimages> ${_dir}
        DEPENDS widgetdeck-drawhostimages
        COMMENT "Drawing the host images of ${name}"
        VERBATIM)
    add_custom_command(OUTPUT ${_cpp}
        COMMAND ${WIDGETDECK_QT}::rcc --name ${name} --output ${_cpp} ${_qrc}
        DEPENDS ${_files} ${_qrc}
        VERBATIM)
    set_source_files_properties(${_cpp} PROPERTIES SKIP_AUTOGEN ON)
    set(${out} ${_cpp} PARENT_SCOPE)
endfunction()
