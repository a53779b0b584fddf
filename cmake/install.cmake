# Installation: the two shared libraries, the public headers under include/WidgetDeck and
# include/FormCore, a CMake package and a pkg-config file. Internal headers stay behind.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(_wd_public_headers
    ${PROJECT_SOURCE_DIR}/widgetdeck.h
    ${PROJECT_SOURCE_DIR}/frame/widgetdeck_export.h
    ${PROJECT_SOURCE_DIR}/frame/widgetdecktypes.h
    ${PROJECT_BINARY_DIR}/include/widgetdeck_version.h)
foreach(family IN LISTS WIDGETDECK_FAMILIES)
    file(GLOB _headers ${PROJECT_SOURCE_DIR}/${family}/*.h)
    foreach(header IN LISTS _headers)
        get_filename_component(_name ${header} NAME)
        if(NOT _name MATCHES "_p\\.h$" AND NOT _name IN_LIST WIDGETDECK_INTERNAL_HEADERS)
            list(APPEND _wd_public_headers ${header})
        endif()
    endforeach()
endforeach()

target_include_directories(WidgetDeck PUBLIC
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/WidgetDeck>)
target_include_directories(FormCore PUBLIC
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/FormCore>)

# libFormCore lies beside it, so the library resolves it from any prefix, also when it is
# itself found through another object's run path (the designer plugin).
set_target_properties(WidgetDeck PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS WidgetDeck FormCore EXPORT WidgetDeckTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(FILES ${_wd_public_headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/WidgetDeck COMPONENT dev)
install(FILES
    ${PROJECT_SOURCE_DIR}/formcore/formcore_export.h
    ${PROJECT_SOURCE_DIR}/formcore/qbasedlg.h
    ${PROJECT_SOURCE_DIR}/formcore/qbasestylewidget.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/FormCore COMPONENT dev)

set(_wd_cmakedir ${CMAKE_INSTALL_LIBDIR}/cmake/WidgetDeck)
install(EXPORT WidgetDeckTargets NAMESPACE WidgetDeck:: DESTINATION ${_wd_cmakedir} COMPONENT dev)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/WidgetDeckConfig.cmake.in
    ${PROJECT_BINARY_DIR}/WidgetDeckConfig.cmake
    INSTALL_DESTINATION ${_wd_cmakedir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/WidgetDeckConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${PROJECT_BINARY_DIR}/WidgetDeckConfig.cmake
    ${PROJECT_BINARY_DIR}/WidgetDeckConfigVersion.cmake
    DESTINATION ${_wd_cmakedir} COMPONENT dev)

# Relative to the .pc file, so the installed tree can be moved.
file(RELATIVE_PATH WIDGETDECK_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/widgetdeck.pc.in ${PROJECT_BINARY_DIR}/widgetdeck.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/widgetdeck.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)
