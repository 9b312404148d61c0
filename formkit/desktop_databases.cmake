# After a program's desktop files are installed, the databases that desktops read them from
# are brought up to date, as a package's installation does: the MIME database (job files open
# with the program) and the desktop database (the program offered for its job type). Only
# when installing for real: a staged installation (DESTDIR, a package being built) leaves
# that to the package's own triggers. A missing tool is skipped.
function(corvane_refresh_desktop_databases component)
  corvane_refresh_desktop_database(${component} update-mime-database mime)
  corvane_refresh_desktop_database(${component} update-desktop-database applications)
endfunction()

# Runs `tool` over the folder `folder` of the installed data directory.
function(corvane_refresh_desktop_database component tool folder)
  install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      set(folder \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/${folder}\")
      find_program(${tool}_program ${tool})
      if(${tool}_program)
        execute_process(COMMAND \${${tool}_program} \"\${folder}\" RESULT_VARIABLE failed)
        if(failed)
          message(WARNING \"${tool} \${folder} failed\")
        endif()
      endif()
    endif()" COMPONENT ${component})
endfunction()
