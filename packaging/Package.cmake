# Debian package, built with `cpack -G DEB` in a release build directory (the "release"
# preset installs into /usr). Included at the end of the top-level CMakeLists.txt, after
# every install() rule.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quarvel)
set(CPACK_PACKAGE_VENDOR "The Quarvel Developers")
set(CPACK_PACKAGE_CONTACT "The Quarvel Developers <packages@quarvel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "enneagram personality questionnaire")
# Debian wants the long description wrapped; CPack indents each line.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Quarvel asks 54, 90 or 180 questions, each answered with Yes, No or May Be,"
    "and names the dominant enneagram type and its wing with a description of each."
    "The report can be saved as a Rich Text Format file or printed, and a review"
    "window shows the nine scores next to every question and the answer given.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The platform plugins are loaded at run time, so no library scan finds them.
set(quarvel_runtime_depends qt6-qpa-plugins)
find_program(QUARVEL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUARVEL_DPKG_SHLIBDEPS)
    # Versioned dependencies on the Qt libraries, libc and libstdc++, from the binary itself.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    message(STATUS "dpkg-shlibdeps not found (package dpkg-dev): listing the Qt libraries by hand")
    list(PREPEND quarvel_runtime_depends
         "libqt6core6 (>= 6.4)" "libqt6gui6 (>= 6.4)" "libqt6widgets6 (>= 6.4)"
         "libqt6svg6 (>= 6.4)" "libqt6printsupport6 (>= 6.4)" libc6 libstdc++6)
endif()
list(JOIN quarvel_runtime_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build/")

include(CPack)
