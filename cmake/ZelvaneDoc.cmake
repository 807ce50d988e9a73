# The API reference of the public headers (target doc), when Doxygen is there. It fails on any
# Doxygen warning, an undocumented public member included.
find_package(Doxygen QUIET)
if(DOXYGEN_FOUND)
  configure_file(doc/Doxyfile.in ${PROJECT_BINARY_DIR}/Doxyfile @ONLY)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/doc/api)
  add_custom_target(doc COMMAND Doxygen::doxygen ${PROJECT_BINARY_DIR}/Doxyfile
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    COMMENT "API reference into ${PROJECT_BINARY_DIR}/doc/api/html" VERBATIM)
endif()
