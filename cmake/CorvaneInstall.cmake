# Where `cmake --install` puts things, and the helpers the folders' install rules share.
# Every installed program finds our libraries relative to itself (RPATH $ORIGIN/...), so an
# installed tree works under any prefix, moved or not, without LD_LIBRARY_PATH.
include(GNUInstallDirs)

# panorel's own folder: the program, the demo CD's document, pictures, sounds, brochures and
# pages beside it, and its plug-in folder controls/ (the layout the CD has). bin/panorel links
# to the program there.
set(CORVANE_INSTALL_CD_DIR ${CMAKE_INSTALL_LIBDIR}/corvane/panorel)

# corvane_install_rpath(TARGET DESTINATION): the installed TARGET, in DESTINATION (relative
# to the prefix), finds the libraries in the prefix's library folder relative to itself.
function(corvane_install_rpath target destination)
  file(RELATIVE_PATH up /${destination} /${CMAKE_INSTALL_LIBDIR})
  if("${up}" STREQUAL "")
    set(rpath "$ORIGIN")
  else()
    set(rpath "$ORIGIN/${up}")
  endif()
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "${rpath}")
  # As DT_RPATH (not DT_RUNPATH), which also serves the libraries' own dependencies and the
  # plug-ins they load: the product CD carries Qt and what it needs beside the programs.
  target_link_options(${target} PRIVATE -Wl,--disable-new-dtags)
endfunction()

# corvane_install_symlink(LINK TARGET COMPONENT): at install time LINK (relative to the
# prefix) becomes a relative symbolic link to TARGET (relative to the prefix as well).
function(corvane_install_symlink link target component)
  get_filename_component(link_dir /${link} DIRECTORY)
  file(RELATIVE_PATH relative ${link_dir} /${target})
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
    get_filename_component(dir \"\${link}\" DIRECTORY)
    file(MAKE_DIRECTORY \"\${dir}\")
    file(REMOVE \"\${link}\")
    message(STATUS \"Installing: \${link} -> ${relative}\")
    file(CREATE_LINK \"${relative}\" \"\${link}\" SYMBOLIC)"
    COMPONENT ${component})
endfunction()

# corvane_man_page(TARGET SUMMARY COMPONENT): a section 1 manual page for the program, made
# at build time from the text its --help prints, and installed with it. Only the normal build
# ships; the sanitizer and fuzz builds make none.
function(corvane_man_page target summary component)
  if(CORVANE_UNIT_ONLY OR CORVANE_SANITIZE OR CORVANE_TSAN OR CORVANE_FUZZ)
    return()
  endif()
  get_target_property(name ${target} OUTPUT_NAME)
  if(NOT name)
    set(name ${target})
  endif()
  set(page ${CMAKE_BINARY_DIR}/man/${name}.1)
  add_custom_command(
    OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DNAME=${name}
            "-DSUMMARY=${summary}" -DVERSION=${PROJECT_VERSION} -DOUT=${page}
            -P ${PROJECT_SOURCE_DIR}/cmake/help_to_man.cmake
    DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/help_to_man.cmake
    COMMENT "Writing the manual page of ${name}"
    VERBATIM)
  add_custom_target(${target}_man_page ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endfunction()
