# Linux desktop integration and the Debian package:
#   bin/quilbex-control, bin/quilbex-cli                (install(TARGETS) of their directories)
#   share/applications/quilbex-control.desktop
#   share/metainfo/com.quilbex.control.metainfo.xml
#   share/icons/hicolor/<N>x<N>/apps/quilbex-control.png (rendered from the application SVG)
#   share/icons/hicolor/scalable/apps/quilbex-control.svg
#   lib/udev/rules.d/70-quilbex-pedals.rules
#   lib/systemd/user/quilbex-watch.service               (installed, not enabled)
# `cpack -G DEB` (scripts/package.sh) turns that into quilbex-control_<version>_<arch>.deb.

if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()

set(QUILBEX_LINUX_DIR ${PROJECT_SOURCE_DIR}/packaging/linux)
set(QUILBEX_APP_SVG ${PROJECT_SOURCE_DIR}/src/resources/images/source/app.svg)
set(QUILBEX_ICON_NAME quilbex-control)
set(QUILBEX_ICON_SIZES 16 22 24 32 48 64 128 256 512)

install(FILES ${QUILBEX_LINUX_DIR}/quilbex-control.desktop DESTINATION share/applications)
# The release entry carries the project's version.
configure_file(${QUILBEX_LINUX_DIR}/com.quilbex.control.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/packaging/com.quilbex.control.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/com.quilbex.control.metainfo.xml DESTINATION share/metainfo)
# Not CMAKE_INSTALL_LIBDIR: udev looks in lib/udev/rules.d whatever the multiarch libdir is.
install(FILES ${QUILBEX_LINUX_DIR}/70-quilbex-pedals.rules DESTINATION lib/udev/rules.d)
# The user unit names quilbex-cli where this install puts it (/usr/bin in the package,
# /usr/local/bin under that prefix), so the prefix is read at install time.
install(CODE "
    file(READ \"${QUILBEX_LINUX_DIR}/quilbex-watch.service.in\" unit)
    string(REPLACE \"@QUILBEX_BINDIR@\" \"\${CMAKE_INSTALL_PREFIX}/bin\" unit \"\${unit}\")
    file(WRITE \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/systemd/user/quilbex-watch.service\" \"\${unit}\")
")
install(FILES ${QUILBEX_APP_SVG} DESTINATION share/icons/hicolor/scalable/apps
        RENAME ${QUILBEX_ICON_NAME}.svg)

# The theme sizes are rendered at build time, so the PNGs always follow the SVG.
find_program(QUILBEX_RSVG_CONVERT rsvg-convert)
if(QUILBEX_RSVG_CONVERT)
    set(icon_outputs)
    foreach(size ${QUILBEX_ICON_SIZES})
        set(out ${PROJECT_BINARY_DIR}/icons/hicolor/${size}x${size}/apps/${QUILBEX_ICON_NAME}.png)
        add_custom_command(
            OUTPUT ${out}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/hicolor/${size}x${size}/apps
            COMMAND ${QUILBEX_RSVG_CONVERT} --width=${size} --height=${size} --keep-aspect-ratio
                    --format=png --output=${out} ${QUILBEX_APP_SVG}
            DEPENDS ${QUILBEX_APP_SVG}
            COMMENT "Rendering ${size}x${size} application icon"
            VERBATIM)
        list(APPEND icon_outputs ${out})
        install(FILES ${out} DESTINATION share/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(quilbex_icons ALL DEPENDS ${icon_outputs})
else()
    message(WARNING "rsvg-convert not found (package librsvg2-bin): the hicolor PNG icons are "
                    "neither built nor installed; only the scalable icon is.")
endif()

# Debian package.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quilbex-control")
set(CPACK_PACKAGE_VENDOR "Quilbex")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration tool for the Quilbex Pedals sim-racing pedal set")
# One string: separate quoted pieces would become a CMake list joined with ";".
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quilbex Control calibrates and tunes the three pedals of the Quilbex Pedals (deadzones, "
    "smoothing, response curves), keeps named profiles and installs firmware. The package "
    "contains the desktop application, the command-line tool quilbex-cli and a udev rule "
    "that gives the logged-in user access to the pedals.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quilbex <support@quilbex.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins are loaded at run time, so dpkg-shlibdeps cannot see them: the SVG icon engine
# (profile bar icons) and the extra platform plugins (Wayland among them).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${QUILBEX_LINUX_DIR}/debian/postinst
    ${QUILBEX_LINUX_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
