# What gets installed, and the Debian package made of it: the command-line tool, the shared
# library with its headers, CMake package and pkg-config file for hosts, the manual page, bash
# completion, the desktop entry and the user's help pages. Paths are relative to the prefix, so
# the same tree installs under /usr for the package or into any folder given to --prefix.
include(CMakePackageConfigHelpers)
set(package_dir ${PROJECT_SOURCE_DIR}/cmake/package)
set(kgh_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/KelmarGUIHelper)

# ---- help pages, with the pictures of the dialogs they show; also laid out in the build tree,
# where the programs built there look for them
file(GLOB help_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/help/*.html ${PROJECT_SOURCE_DIR}/docs/help/*.css)
set(help_pictures)
foreach(picture options-general options-domains options-toolbar options-other button-dialog domain-dialog
                wizard-1-introduction wizard-2-step1 wizard-3-step2 wizard-4-finished)
  list(APPEND help_pictures ${PROJECT_SOURCE_DIR}/docs/${picture}.png)
endforeach()
set(help_build_dir ${PROJECT_BINARY_DIR}/${KGH_HELP_INSTALL_DIR})
add_custom_command(OUTPUT ${help_build_dir}/pages.stamp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${help_build_dir}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${help_pages} ${help_pictures} ${help_build_dir}
  COMMAND ${CMAKE_COMMAND} -E touch ${help_build_dir}/pages.stamp
  DEPENDS ${help_pages} ${help_pictures}
  COMMENT "Laying out the help pages")
add_custom_target(kgh_help_pages ALL DEPENDS ${help_build_dir}/pages.stamp)
install(FILES ${help_pages} ${help_pictures} DESTINATION ${KGH_HELP_INSTALL_DIR})

# ---- the library for hosts
install(TARGETS KelmarGUIHelper EXPORT KelmarGUIHelperTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/library/include/KelmarGUIHelper
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT KelmarGUIHelperTargets NAMESPACE KelmarGUIHelper:: DESTINATION ${kgh_cmake_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/KelmarGUIHelperConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${package_dir}/KelmarGUIHelperConfig.cmake ${PROJECT_BINARY_DIR}/KelmarGUIHelperConfigVersion.cmake
  DESTINATION ${kgh_cmake_dir})
# pkg-config finds the prefix from where the file lies, so an unpacked tree works too.
file(RELATIVE_PATH pc_to_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")
configure_file(${package_dir}/kelmarguihelper.pc.in ${PROJECT_BINARY_DIR}/kelmarguihelper.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/kelmarguihelper.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# ---- the command-line tool, its manual page (made from its own help) and its completion
if(TARGET orvex-setup)
  install(TARGETS orvex-setup RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(man_page ${PROJECT_BINARY_DIR}/orvex-setup.1)
  add_custom_command(OUTPUT ${man_page}
    COMMAND bash ${PROJECT_SOURCE_DIR}/cli/man/make-manpage.sh $<TARGET_FILE:orvex-setup>
            ${PROJECT_SOURCE_DIR}/cli/man/sections.roff ${man_page}
    DEPENDS orvex-setup ${PROJECT_SOURCE_DIR}/cli/man/make-manpage.sh ${PROJECT_SOURCE_DIR}/cli/man/sections.roff
    COMMENT "Writing the manual page orvex-setup(1)")
  set(man_page_gz ${man_page}.gz)
  add_custom_command(OUTPUT ${man_page_gz}
    COMMAND gzip -9nc ${man_page} > ${man_page_gz}
    DEPENDS ${man_page})
  add_custom_target(kgh_man_page ALL DEPENDS ${man_page_gz})
  install(FILES ${man_page_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/cli/orvex-setup.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME orvex-setup)
  if(TARGET kgh_qt)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/orvex-setup.desktop
      DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/orvex-setup.svg
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  endif()
endif()

# ---- Debian's copyright and changelog files (the package is its own upstream)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/kelmarguihelper)
set(changelog_gz ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND gzip -9nc ${package_dir}/changelog > ${changelog_gz}
  DEPENDS ${package_dir}/changelog)
add_custom_target(kgh_changelog ALL DEPENDS ${changelog_gz})
install(FILES ${package_dir}/copyright ${changelog_gz} DESTINATION ${doc_dir})

# ---- the package: cpack -G DEB in the build folder
set(CPACK_PACKAGE_NAME kelmarguihelper)
set(CPACK_PACKAGE_VENDOR "Kelmar")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for the Orvex kiosk browser")
# CPack puts the summary first and indents this text under it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "orvex-setup creates and edits Orvex.INI, the file that tells the Orvex kiosk
browser which page it opens, how it looks, which toolbar buttons it shows and
which addresses its users may open: from the command line, in a four-page
options dialog, or with a wizard that builds a new configuration.

The shared library libKelmarGUIHelper gives host programs the same dialogs
and operations through a C interface and a header-only C++ wrapper, found
with CMake or pkg-config.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "KelmarGUIHelper developers <kelmarguihelper@kelmar.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The shlibs file and the ldconfig trigger that a package with a public shared library needs.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${package_dir}/triggers)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_GENERATOR DEB)
include(CPack)
