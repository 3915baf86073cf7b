# Installs the built project into a fresh prefix with `cmake --install`, checks
# what was installed, and builds and runs a consumer program against it twice:
# with find_package(hygra) and with the flags pkg-config gives.
# Run with -DBUILD_DIR= -DCONSUMER_DIR= -DWORK_DIR= -DLIBDIR= -DC_COMPILER=
# -DGENERATOR= -DPKG_CONFIG= and optionally -DSANITIZE= (the sanitizers the library was
# built with, which its consumers must be built with too).
cmake_minimum_required(VERSION 3.25)

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

# The library with its two links, the header, the tool and both package files.
set(lib ${prefix}/${LIBDIR})
foreach(f include/hygra.h bin/hygra ${LIBDIR}/cmake/hygra/hygraConfig.cmake
          ${LIBDIR}/cmake/hygra/hygraConfigVersion.cmake ${LIBDIR}/cmake/hygra/hygraTargets.cmake
          ${LIBDIR}/pkgconfig/hygra.pc)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(GLOB real_libs ${lib}/libhygra.so.*.*.*)
list(LENGTH real_libs n)
if(NOT n EQUAL 1 OR IS_SYMLINK ${real_libs})
  message(FATAL_ERROR "expected one libhygra.so.X.Y.Z file in ${lib}: ${real_libs}")
endif()
file(GLOB soname_links ${lib}/libhygra.so.[0-9]*)
list(REMOVE_ITEM soname_links ${real_libs})
list(LENGTH soname_links n)
if(NOT n EQUAL 1 OR NOT IS_SYMLINK ${soname_links} OR NOT IS_SYMLINK ${lib}/libhygra.so)
  message(FATAL_ERROR "expected the links libhygra.so and libhygra.so.X in ${lib}")
endif()
file(READ_SYMLINK ${lib}/libhygra.so dev_target)
get_filename_component(soname ${soname_links} NAME)
if(NOT dev_target STREQUAL soname)
  message(FATAL_ERROR "libhygra.so points at ${dev_target}, not ${soname}")
endif()

set(flags)
if(SANITIZE)
  set(flags -fsanitize=${SANITIZE})
endif()
list(JOIN flags " " flag_string)

# The installed tool finds the installed library by itself.
run("the installed tool" ${prefix}/bin/hygra --csv TDB=20 W=0.0073 TDB W)
if(NOT run_output MATCHES "\nTDB,dry-bulb temperature,20,degC\n")
  message(FATAL_ERROR "unexpected output of the installed tool:\n${run_output}")
endif()

# find_package(hygra) through CMAKE_PREFIX_PATH, as users point CMake at a prefix.
run("configuring the consumer" ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/with-cmake
    -G ${GENERATOR} -DCMAKE_C_COMPILER=${C_COMPILER} -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
    "-DCMAKE_C_FLAGS=${flag_string}" "-DCMAKE_EXE_LINKER_FLAGS=${flag_string}")
run("building the consumer" ${CMAKE_COMMAND} --build ${WORK_DIR}/with-cmake)
run("the consumer built with find_package" ${WORK_DIR}/with-cmake/consumer)
message(STATUS "find_package: ${run_output}")

# pkg-config, as a Makefile would use it: cc $(pkg-config --cflags --libs hygra).
run("pkg-config" ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${lib}/pkgconfig
    ${PKG_CONFIG} --cflags --libs hygra)
separate_arguments(pc_flags UNIX_COMMAND "${run_output}")
run("pkg-config --variable=libdir" ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${lib}/pkgconfig
    ${PKG_CONFIG} --variable=libdir hygra)
string(STRIP "${run_output}" pc_libdir)
run("compiling the consumer with pkg-config's flags" ${C_COMPILER} ${flags}
    ${CONSUMER_DIR}/consumer.c ${pc_flags} -lm -Wl,-rpath,${pc_libdir}
    -o ${WORK_DIR}/consumer-pkg-config)
run("the consumer built with pkg-config" ${WORK_DIR}/consumer-pkg-config)
message(STATUS "pkg-config: ${run_output}")
