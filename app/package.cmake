# The Debian package: cpack --config CPackConfig.cmake in the build folder
# makes ombrix_<version>_<arch>.deb with everything that cmake --install puts
# under /usr. Its library dependencies are read from the programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ombrix)
set(CPACK_PACKAGE_VENDOR "Ombrixi autorid")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(OMBRIX_MAINTAINER "Ombrixi autorid <ombrix@ombrix.ee>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${OMBRIX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dialogs ask for Arial; Liberation Sans has its metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland")
# The summary above is the first line; these follow it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ombrix arvutab sünnikuupäeva numbrid (juurnumber, elutee number, apogeed,
väljakutsed, sünnipäevakingi number, tsüklid, sünninumbrid) ja kirjutab
nende tähendusest eestikeelse kirjelduse, mida saab muuta ja tekstifailina
salvestada. Käsk ombrix-report kirjutab sama kirjelduse terminali.")
include(app/debian/debian_docs.cmake)
# strip keeps the compiler's version notes, which Debian's own packages drop.
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program ombrix ombrix-report)
      execute_process(COMMAND objcopy --remove-section=.comment
                              "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/${program}"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()
]])
include(CPack)
