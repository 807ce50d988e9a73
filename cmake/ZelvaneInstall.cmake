include(CMakePackageConfigHelpers)

set(ZLV_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZelvaneCustomAttr)
install(DIRECTORY include/zelvane DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        PATTERN "qt" EXCLUDE)
install(DIRECTORY resources/Templates resources/Images resources/samples
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zelvane)
install(EXPORT ZelvaneCustomAttrTargets NAMESPACE zelvane::
        DESTINATION ${ZLV_CMAKE_DIR})
configure_package_config_file(cmake/ZelvaneCustomAttrConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/ZelvaneCustomAttrConfig.cmake
  INSTALL_DESTINATION ${ZLV_CMAKE_DIR}
  PATH_VARS CMAKE_INSTALL_DATADIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ZelvaneCustomAttrConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ZelvaneCustomAttrConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/ZelvaneCustomAttrConfigVersion.cmake
        DESTINATION ${ZLV_CMAKE_DIR})
