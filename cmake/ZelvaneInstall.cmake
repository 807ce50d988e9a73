include(CMakePackageConfigHelpers)

# Components: runtime (the libraries without Qt and the component folder's Templates/ and
# Images/), qt (the Qt binding's library), dev (headers, link-time files, CMake and pkg-config
# files without Qt), qtdev (the same for the Qt binding), tools (zlvca and the samples), demo
# (zlv-demo) and designer (the Qt Designer plugin).
set(ZLV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZelvaneCustomAttr)
install(DIRECTORY include/zelvane DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev
        PATTERN "qt" EXCLUDE)
install(FILES ${ZLV_GENERATED_INCLUDE}/zelvane/export.hpp
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zelvane COMPONENT dev)
install(DIRECTORY resources/Templates resources/Images
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zelvane COMPONENT runtime)
install(DIRECTORY resources/samples DESTINATION ${CMAKE_INSTALL_DATADIR}/zelvane COMPONENT tools)
install(EXPORT ZelvaneCustomAttrTargets NAMESPACE zelvane:: DESTINATION ${ZLV_CMAKE_DIR}
        COMPONENT dev)
if(TARGET zelvane-qt)
  install(DIRECTORY include/zelvane/qt DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zelvane
          COMPONENT qtdev)
  install(EXPORT ZelvaneCustomAttrQtTargets NAMESPACE zelvane:: DESTINATION ${ZLV_CMAKE_DIR}
          COMPONENT qtdev)
endif()

# zelvane::zlvca comes with the tool, so that the development files do not need it.
if(TARGET zlvca)
  install(EXPORT ZelvaneCustomAttrToolsTargets NAMESPACE zelvane:: DESTINATION ${ZLV_CMAKE_DIR}
          COMPONENT tools)
endif()

configure_package_config_file(cmake/ZelvaneCustomAttrConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/ZelvaneCustomAttrConfig.cmake
  INSTALL_DESTINATION ${ZLV_CMAKE_DIR}
  PATH_VARS CMAKE_INSTALL_DATADIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ZelvaneCustomAttrConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ZelvaneCustomAttrConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/ZelvaneCustomAttrConfigVersion.cmake
        DESTINATION ${ZLV_CMAKE_DIR} COMPONENT dev)

# pkg-config files beside the CMake package. A static build hands its own dependencies on.
if(ZLV_SHARED)
  set(ZLV_PC_PRIVATE_REQUIRES "")
else()
  set(ZLV_PC_PRIVATE_REQUIRES "pugixml icu-uc")
endif()
function(zlv_install_pkgconfig package component)
  configure_file(cmake/${package}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/${package}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/${package}.pc
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT ${component})
endfunction()
zlv_install_pkgconfig(zelvane-core dev)
zlv_install_pkgconfig(zelvane-headless dev)
if(TARGET zelvane-qt)
  zlv_install_pkgconfig(zelvane-qt qtdev)
endif()
