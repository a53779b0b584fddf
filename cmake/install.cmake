# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# Installation in three components: runtime (the two shared libraries), dev (headers, CMake
# package, pkg-config file) and designer (the plugin, see designer/). Every name carries
# WIDGETDECK_NAME_SUFFIX, so the Qt 5 and Qt 6 builds install side by side in one prefix.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(WIDGETDECK_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/WidgetDeck${WIDGETDECK_NAME_SUFFIX})
set(WIDGETDECK_INSTALL_FORMCORE_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/FormCore${WIDGETDECK_NAME_SUFFIX})
set(WIDGETDECK_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/WidgetDeck${WIDGETDECK_NAME_SUFFIX})
if(WIDGETDECK_NAME_SUFFIX)
    set(WIDGETDECK_PC_NAME widgetdeck-qt${WIDGETDECK_QT_MAJOR})
else()
    set(WIDGETDECK_PC_NAME widgetdeck)
endif()

target_include_directories(WidgetDeck PUBLIC $<INSTALL_INTERFACE:${WIDGETDECK_INSTALL_INCLUDEDIR}>)
target_include_directories(FormCore PUBLIC $<INSTALL_INTERFACE:${WIDGETDECK_INSTALL_FORMCORE_INCLUDEDIR}>)

# libFormCore lies beside it, so the library resolves it from any prefix, also when it is
# itself found through another object's run path (the designer plugin).
set_target_properties(WidgetDeck PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS WidgetDeck FormCore EXPORT WidgetDeckTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(FILES ${WIDGETDECK_PUBLIC_HEADERS}
    DESTINATION ${WIDGETDECK_INSTALL_INCLUDEDIR} COMPONENT dev)
install(FILES ${WIDGETDECK_INSTALL_FORWARD_HEADERS}
    DESTINATION ${WIDGETDECK_INSTALL_INCLUDEDIR}/WidgetDeck COMPONENT dev)
install(FILES ${WIDGETDECK_FORMCORE_PUBLIC_HEADERS}
    DESTINATION ${WIDGETDECK_INSTALL_FORMCORE_INCLUDEDIR} COMPONENT dev)
install(FILES ${WIDGETDECK_INSTALL_FORWARD_FORMCORE_HEADERS}
    DESTINATION ${WIDGETDECK_INSTALL_FORMCORE_INCLUDEDIR}/FormCore COMPONENT dev)

install(EXPORT WidgetDeckTargets NAMESPACE WidgetDeck::
    FILE WidgetDeck${WIDGETDECK_NAME_SUFFIX}Targets.cmake
    DESTINATION ${WIDGETDECK_INSTALL_CMAKEDIR} COMPONENT dev)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/WidgetDeckConfig.cmake.in
    ${PROJECT_BINARY_DIR}/WidgetDeck${WIDGETDECK_NAME_SUFFIX}Config.cmake
    INSTALL_DESTINATION ${WIDGETDECK_INSTALL_CMAKEDIR})
write_basic_package_version_file(
    ${PROJECT_BINARY_DIR}/WidgetDeck${WIDGETDECK_NAME_SUFFIX}ConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${PROJECT_BINARY_DIR}/WidgetDeck${WIDGETDECK_NAME_SUFFIX}Config.cmake
    ${PROJECT_BINARY_DIR}/WidgetDeck${WIDGETDECK_NAME_SUFFIX}ConfigVersion.cmake
    DESTINATION ${WIDGETDECK_INSTALL_CMAKEDIR} COMPONENT dev)

# Relative to the .pc file, so the installed tree can be moved.
file(RELATIVE_PATH WIDGETDECK_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
set(WIDGETDECK_PC_QT_REQUIRES
    "${WIDGETDECK_QT}Core >= ${WIDGETDECK_QT_MIN} ${WIDGETDECK_QT}Gui ${WIDGETDECK_QT}Widgets ${WIDGETDECK_QT}Network")
configure_file(${PROJECT_SOURCE_DIR}/cmake/widgetdeck.pc.in
    ${PROJECT_BINARY_DIR}/${WIDGETDECK_PC_NAME}.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${WIDGETDECK_PC_NAME}.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)
