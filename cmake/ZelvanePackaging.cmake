# Debian packages by install component: `cpack -G DEB` in a build tree configured with
# CMAKE_INSTALL_PREFIX=/usr (the libraries find their Templates/ and Images/ under that prefix).
set(CPACK_PACKAGE_NAME zelvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zelvane maintainers <zelvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Custom attribute control: attribute rows, validation and in-place editing")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
# Dependencies on system libraries from what the binaries link; on our own packages from the
# component dependencies below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/lib)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(soversion ${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libzelvane${soversion})
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "Custom attribute control: the core library, the headless platform and the component files")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_QT_PACKAGE_NAME libzelvane-qt${soversion})
set(CPACK_COMPONENT_QT_DESCRIPTION "Custom attribute control as a Qt 6 widget")
set(CPACK_COMPONENT_QT_DEPENDS runtime)
set(CPACK_DEBIAN_QT_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libzelvane-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "Custom attribute control: headers, CMake package and pkg-config files")
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
# The Qt binding's headers, CMake targets and pkg-config file, apart so that a host without Qt
# installs no Qt; they build against Qt's development files.
set(CPACK_DEBIAN_QTDEV_PACKAGE_NAME libzelvane-qt-dev)
set(CPACK_DEBIAN_QTDEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_QTDEV_DESCRIPTION
    "Custom attribute control as a Qt 6 widget: headers, CMake targets and pkg-config file")
set(CPACK_COMPONENT_QTDEV_DEPENDS dev qt)
set(CPACK_DEBIAN_QTDEV_PACKAGE_DEPENDS qt6-base-dev)
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME zlvca)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION utils)
set(CPACK_COMPONENT_TOOLS_DESCRIPTION
    "zlvca: the custom attribute control's rules as a batch tool, with sample files")
set(CPACK_COMPONENT_TOOLS_DEPENDS runtime)
set(CPACK_DEBIAN_DEMO_PACKAGE_NAME zelvane-demo)
set(CPACK_DEBIAN_DEMO_PACKAGE_SECTION x11)
set(CPACK_COMPONENT_DEMO_DESCRIPTION "zlv-demo: the custom attribute control in a host window")
set(CPACK_COMPONENT_DEMO_DEPENDS qt tools)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME zelvane-designer-plugin)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_DESIGNER_DESCRIPTION "The custom attribute widget in Qt Designer's widget box")
set(CPACK_COMPONENT_DESIGNER_DEPENDS qt)

# The packages of what this build installs.
set(CPACK_COMPONENTS_ALL runtime dev)
if(TARGET zelvane-qt)
  list(APPEND CPACK_COMPONENTS_ALL qt qtdev)
endif()
if(TARGET zlvca)
  list(APPEND CPACK_COMPONENTS_ALL tools)
endif()
if(TARGET zlv-demo)
  list(APPEND CPACK_COMPONENTS_ALL demo)
endif()
if(TARGET zelvane_designer)
  list(APPEND CPACK_COMPONENTS_ALL designer)
endif()
include(CPack)
