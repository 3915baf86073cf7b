# Installation rules: the shared library with its SONAME links, the header, a
# CMake package configuration (find_package(hygra) -> hygra::hygra) and a
# pkg-config file. The tool installs itself from tools/hygra.
include(CMakePackageConfigHelpers)

set(HYGRA_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/hygra)
set(HYGRA_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(TARGETS hygra EXPORT hygraTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/hygra.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

install(EXPORT hygraTargets NAMESPACE hygra:: DESTINATION ${HYGRA_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/hygraConfig.cmake.in
  ${PROJECT_BINARY_DIR}/hygraConfig.cmake
  INSTALL_DESTINATION ${HYGRA_CMAKE_DIR})
# The soname carries the major version, so only the same major version is compatible.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/hygraConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/hygraConfig.cmake ${PROJECT_BINARY_DIR}/hygraConfigVersion.cmake
  DESTINATION ${HYGRA_CMAKE_DIR})

# pkg-config: the prefix is found from the file's own place (${pcfiledir}), so
# an install with `cmake --install --prefix` elsewhere still points at itself.
if(IS_ABSOLUTE "${HYGRA_PKGCONFIG_DIR}")
  message(FATAL_ERROR "hygra: an absolute CMAKE_INSTALL_LIBDIR is not supported")
endif()
file(RELATIVE_PATH HYGRA_PC_PREFIX /prefix/${HYGRA_PKGCONFIG_DIR} /prefix)
string(REGEX REPLACE "/$" "" HYGRA_PC_PREFIX "${HYGRA_PC_PREFIX}")
set(HYGRA_PC_LIBDIR "\${prefix}/${CMAKE_INSTALL_LIBDIR}")
if(IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  set(HYGRA_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
else()
  set(HYGRA_PC_INCLUDEDIR "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/hygra.pc.in ${PROJECT_BINARY_DIR}/hygra.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/hygra.pc DESTINATION ${HYGRA_PKGCONFIG_DIR})
