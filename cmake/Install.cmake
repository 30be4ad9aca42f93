# `cmake --install`: one include folder, the versioned libraries, the plug-ins in their
# "Connection Protocols" folder, cdtool, a CMake package, a pkg-config file, and the Qt front end
# with cdhost.
include(CMakePackageConfigHelpers)

set(CONNECTDIALOG_INCLUDE_DIR "${CMAKE_INSTALL_INCLUDEDIR}/connectdialog")
# Headers keep the paths they are included by: "VProfileStore.h", "session/SessionConfig.h",
# "platform/types/CString.h" all resolve below the one folder.
foreach(tree IN ITEMS vutils connectdialog)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/src/${tree}/ DESTINATION ${CONNECTDIALOG_INCLUDE_DIR}
          FILES_MATCHING PATTERN "*.h" PATTERN "*.inc")
endforeach()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/src/platform/ DESTINATION ${CONNECTDIALOG_INCLUDE_DIR}/platform
        FILES_MATCHING PATTERN "*.h")

install(TARGETS vutils connectdialog EXPORT ConnectDialogTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CONNECTDIALOG_INCLUDE_DIR})
install(TARGETS cdtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(plugin IN ITEMS SSH2 Telnet RLogin Serial TAPI SFTP FTP)
  install(TARGETS plugin_${plugin} LIBRARY DESTINATION "${CONNECTION_PROTOCOLS_INSTALL_DIR}")
  # Two folders up from the plug-ins is the library folder.
  set_target_properties(plugin_${plugin} PROPERTIES INSTALL_RPATH "$ORIGIN/../..")
endforeach()

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/ConnectDialog)
install(EXPORT ConnectDialogTargets NAMESPACE ConnectDialog:: DESTINATION ${package_dir})
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/ConnectDialogConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/ConnectDialogConfig.cmake INSTALL_DESTINATION ${package_dir}
                              PATH_VARS CONNECTION_PROTOCOLS_INSTALL_DIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ConnectDialogConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/ConnectDialogConfig.cmake ${CMAKE_BINARY_DIR}/ConnectDialogConfigVersion.cmake
        DESTINATION ${package_dir})

# Relative to the .pc file, so that a tree installed under any prefix describes itself.
file(RELATIVE_PATH PC_PREFIX_FROM_PCFILEDIR "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
configure_file(${CMAKE_SOURCE_DIR}/cmake/connectdialog.pc.in ${CMAKE_BINARY_DIR}/connectdialog.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/connectdialog.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The Qt front end, an optional part of the package (find_package(ConnectDialog COMPONENTS Qt)):
# its library and headers, exported apart so that a host without Qt still finds the core.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/src/qt/ DESTINATION ${CONNECTDIALOG_INCLUDE_DIR}/qt FILES_MATCHING PATTERN "*.h")
install(TARGETS connectdialog_qt EXPORT ConnectDialogQtTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CONNECTDIALOG_INCLUDE_DIR})
install(EXPORT ConnectDialogQtTargets NAMESPACE ConnectDialog:: DESTINATION ${package_dir})

# cdhost, its links that run it as each product, its desktop entries, icon and help page.
install(TARGETS cdhost RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(product IN ITEMS korvo halokorvo halofyx)
  install(CODE "file(CREATE_LINK cdhost \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/cdhost-${product}\" SYMBOLIC)")
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/tools/cdhost/share/cdhost.desktop ${CMAKE_SOURCE_DIR}/tools/cdhost/share/cdhost-halofyx.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/tools/cdhost/share/cdhost.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
