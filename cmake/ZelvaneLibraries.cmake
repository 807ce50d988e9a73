# The installed libraries and their symbol visibility.
include(GenerateExportHeader)

# Where configured headers (zelvane/export.hpp) are generated; installed with the public headers.
set(ZLV_GENERATED_INCLUDE ${PROJECT_BINARY_DIR}/include)

# Only what is marked ZLV_EXPORT (the public API) leaves an installed shared library.
function(zlv_hide_symbols target)
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden
                                             VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# zlv_add_public_library(name LAYERS layer...): the installed library zelvane::<name>
# (libzelvane_<name>), made of the object files of the given layer libraries. Shared with a
# version and the major version as SONAME unless ZLV_SHARED is off.
function(zlv_add_public_library name)
  cmake_parse_arguments(arg "" "" "LAYERS" ${ARGN})
  set(type STATIC)
  if(ZLV_SHARED)
    set(type SHARED)
  endif()
  set(target zelvane-${name})
  add_library(${target} ${type})
  foreach(layer ${arg_LAYERS})
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:zelvane_${layer}>)
  endforeach()
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include> $<BUILD_INTERFACE:${ZLV_GENERATED_INCLUDE}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  # The layers' outputs sit in src/; the installed libraries get a folder of their own.
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME zelvane_${name} EXPORT_NAME ${name} LINKER_LANGUAGE CXX
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib
    ARCHIVE_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/lib)
  zlv_hide_symbols(${target})
  # A symbol missing from the libraries it links is an error when the library is linked, not
  # when a host is. Sanitizer and fuzzer runtimes are the program's to bring (clang).
  if(NOT ZLV_SANITIZE AND NOT ZLV_FUZZ_ENGINE)
    target_link_options(${target} PRIVATE LINKER:--no-undefined)
  endif()
  add_library(zelvane::${name} ALIAS ${target})
endfunction()

# zlv_install_libraries(export-set component dev-component target...): the libraries into the
# export set, the shared objects into the component, the link-time files into the dev component.
function(zlv_install_libraries export_set component dev_component)
  install(TARGETS ${ARGN} EXPORT ${export_set}
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${component}
                  NAMELINK_COMPONENT ${dev_component}
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${dev_component})
endfunction()
