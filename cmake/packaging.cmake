# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Debian packages, one set per Qt major, that install side by side:
#   Qt 5: libwidgetdeck<SO>        libwidgetdeck-dev        libwidgetdeck-designer
#   Qt 6: libwidgetdeckqt6-<SO>    libwidgetdeckqt6-dev     libwidgetdeckqt6-designer
# Configure with -DCMAKE_INSTALL_PREFIX=/usr, build, then run `cpack -G DEB` in the build tree.
if(NOT DEFINED WIDGETDECK_QT_MAJOR)
    set(WIDGETDECK_QT_MAJOR 5)
endif()
if(NOT DEFINED WIDGETDECK_NAME_SUFFIX)
    set(WIDGETDECK_NAME_SUFFIX "")
endif()

string(TOLOWER "libwidgetdeck${WIDGETDECK_NAME_SUFFIX}" _wd_base)
set(_wd_so ${PROJECT_VERSION_MAJOR})
# Debian's rule: a library name ending in a digit gets a dash before its SONAME version.
if(_wd_base MATCHES "[0-9]$")
    set(_wd_runtime_pkg "${_wd_base}-${_wd_so}")
else()
    set(_wd_runtime_pkg "${_wd_base}${_wd_so}")
endif()
set(_wd_dev_pkg "${_wd_base}-dev")
set(_wd_designer_pkg "${_wd_base}-designer")

if(WIDGETDECK_QT_MAJOR EQUAL 6)
    set(_wd_qt_dev "qt6-base-dev (>= 6.2)")
    set(_wd_designer_app "designer-qt6")
else()
    set(_wd_qt_dev "qtbase5-dev (>= 5.15)")
    set(_wd_designer_app "qttools5-dev-tools")
endif()

set(CPACK_PACKAGE_NAME "${_wd_base}")
set(CPACK_PACKAGE_VENDOR "The libWidgetDeck authors")
set(CPACK_PACKAGE_CONTACT "The libWidgetDeck authors <widgetdeck@localhost>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Qt widgets, dialogs and validators for drive configuration tools")
set(CPACK_PACKAGE_DESCRIPTION "Qt ${WIDGETDECK_QT_MAJOR} widgets, dialogs and validators for configuration
and monitoring tools of industrial drives.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
# Each Qt major builds its own set into its own folder of the build tree.
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/packages")
set(CPACK_OUTPUT_CONFIG_FILE "${PROJECT_BINARY_DIR}/CPackConfig.cmake")
set(CPACK_SOURCE_OUTPUT_CONFIG_FILE "${PROJECT_BINARY_DIR}/CPackSourceConfig.cmake")

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev)
if(TARGET widgetdeck_designer)
    list(APPEND CPACK_COMPONENTS_ALL designer)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_LICENSE MIT)
# Qt's runtime libraries (with their minimum versions) come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The designer plugin resolves the library of this build, not an installed one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${PROJECT_BINARY_DIR}" "${PROJECT_BINARY_DIR}/formcore")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY "=")
set(_wd_exact "(= ${PROJECT_VERSION})")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME "${_wd_runtime_pkg}")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "Qt ${WIDGETDECK_QT_MAJOR} widget library for drive configuration tools
libWidgetDeck${WIDGETDECK_NAME_SUFFIX} and libFormCore${WIDGETDECK_NAME_SUFFIX}, built against Qt ${WIDGETDECK_QT_MAJOR}.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME "${_wd_dev_pkg}")
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "${_wd_runtime_pkg} ${_wd_exact}, ${_wd_qt_dev}")
set(CPACK_COMPONENT_DEV_DESCRIPTION "development files for libWidgetDeck${WIDGETDECK_NAME_SUFFIX} (Qt ${WIDGETDECK_QT_MAJOR})
Headers, CMake package WidgetDeck${WIDGETDECK_NAME_SUFFIX} and pkg-config file.")

set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME "${_wd_designer_pkg}")
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_DEPENDS "${_wd_runtime_pkg} ${_wd_exact}")
set(CPACK_DEBIAN_DESIGNER_PACKAGE_RECOMMENDS "${_wd_designer_app}")
set(CPACK_DEBIAN_DESIGNER_PACKAGE_ENHANCES "${_wd_designer_app}")
set(CPACK_COMPONENT_DESIGNER_DESCRIPTION "Qt Designer plugin for libWidgetDeck${WIDGETDECK_NAME_SUFFIX} (Qt ${WIDGETDECK_QT_MAJOR})
Offers the library's placeable widgets in Qt ${WIDGETDECK_QT_MAJOR}'s Designer.")

include(CPack)
