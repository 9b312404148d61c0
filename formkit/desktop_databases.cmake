# After a program's desktop files are installed, the databases that desktops read them from
# are brought up to date, as a package's installation does: the MIME database (job files open
# with the program) and the desktop database (the program offered for its job type). Only
# when installing for real: a staged installation (DESTDIR, a package being built) leaves
# that to the package's own triggers. A missing tool is skipped.
function(corvane_refresh_desktop_databases component)
  install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      set(share \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
      find_program(update_mime update-mime-database)
      find_program(update_desktop update-desktop-database)
      if(update_mime)
        execute_process(COMMAND \${update_mime} \"\${share}/mime\" RESULT_VARIABLE failed)
        if(failed)
          message(WARNING \"update-mime-database \${share}/mime failed\")
        endif()
      endif()
      if(update_desktop)
        execute_process(COMMAND \${update_desktop} \"\${share}/applications\" RESULT_VARIABLE failed)
        if(failed)
          message(WARNING \"update-desktop-database \${share}/applications failed\")
        endif()
      endif()
    endif()" COMPONENT ${component})
endfunction()
