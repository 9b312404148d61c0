# What the normal build ships, and the tests that check it as a user gets it (label
# "shipping", outside the unit label: each takes some seconds):
# - the installed tree (cmake --install into a scratch prefix),
# - the Debian packages (cpack -G DEB, unpacked into a scratch root),
# - the product CD's disc image (target cd_image: build/corvane-cd.iso).

# Debian packages, one per component; dependencies computed from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "Corvane")
set(CPACK_PACKAGE_CONTACT "Corvane CD software <cd-software@corvane.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL sizing exhaust panorel libframix32 libframix32-dev)
if(TARGET panorel_web_control)
  list(APPEND CPACK_COMPONENTS_ALL panorel-web)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libframix32.so.1 comes from our own package (a dependency between components below).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/framix32)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_SIZING_PACKAGE_NAME corvane-sizing)
set(CPACK_DEBIAN_SIZING_PACKAGE_SECTION science)
set(CPACK_COMPONENT_SIZING_DESCRIPTION "Corvane vent and chimney sizing
 Sizes the vent or chimney of fuel-burning appliances: a desktop program for
 one job at a time, and a command line (sizing calc, report, mail) that sizes
 job files, prints reports and writes e-mails without a window.")

set(CPACK_DEBIAN_EXHAUST_PACKAGE_NAME corvane-exhaust)
set(CPACK_DEBIAN_EXHAUST_PACKAGE_SECTION science)
set(CPACK_COMPONENT_EXHAUST_DESCRIPTION "Corvane engine and turbine exhaust sizing
 Sizes the exhaust pipe of engines and turbines: a desktop program for one job
 at a time, and a command line (exhaust calc, report, mail).")

set(CPACK_DEBIAN_PANOREL_PACKAGE_NAME panorel)
set(CPACK_DEBIAN_PANOREL_PACKAGE_SECTION graphics)
set(CPACK_COMPONENT_PANOREL_DEPENDS libframix32)
# The demo CD's buttons start the sizing programs; the web pages need the web control.
set(CPACK_DEBIAN_PANOREL_PACKAGE_RECOMMENDS "corvane-sizing, corvane-exhaust")
set(CPACK_DEBIAN_PANOREL_PACKAGE_SUGGESTS "panorel-web-control")
set(CPACK_COMPONENT_PANOREL_DESCRIPTION "Corvane presentation browser and demo CD
 Shows presentation documents (.cdz): shaped windows, animated pictures,
 hosted controls and scripts that start programs and open documents. Comes
 with the Corvane demo CD, shown when panorel starts without a document, and
 cdztool, which builds, inspects, runs and checks documents.")

set(CPACK_DEBIAN_PANOREL-WEB_PACKAGE_NAME panorel-web-control)
set(CPACK_DEBIAN_PANOREL-WEB_PACKAGE_SECTION web)
set(CPACK_COMPONENT_PANOREL-WEB_DEPENDS panorel)
set(CPACK_COMPONENT_PANOREL-WEB_DESCRIPTION "web page control for the Corvane presentation browser
 The control that shows web pages inside panorel's documents, apart from the
 browser so that a user without the web engine installs less.")

set(CPACK_DEBIAN_LIBFRAMIX32_PACKAGE_NAME libframix32-1)
set(CPACK_DEBIAN_LIBFRAMIX32_PACKAGE_SECTION libs)
# A shlibs file for libframix32.so.1 (the plug-ins have no SONAME and get none).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_COMPONENT_LIBFRAMIX32_DESCRIPTION "GIF library with a C interface
 Framix32 reads GIF files into device-independent bitmaps, writes them back,
 and plays animated GIFs into a window from a thread of its own.")

set(CPACK_DEBIAN_LIBFRAMIX32-DEV_PACKAGE_NAME libframix32-dev)
set(CPACK_DEBIAN_LIBFRAMIX32-DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_LIBFRAMIX32-DEV_DEPENDS libframix32)
set(CPACK_COMPONENT_LIBFRAMIX32-DEV_DESCRIPTION "GIF library with a C interface (development files)
 The header framix32.h, the link libframix32.so, a pkg-config file (framix32)
 and a CMake package (find_package(framix32) gives framix32::framix32).")
include(CPack)

add_test(NAME shipping_install_test
         COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/install_test.sh ${CMAKE_BINARY_DIR}
                 ${CMAKE_BINARY_DIR}/shipping/install_test)
set_tests_properties(shipping_install_test PROPERTIES LABELS shipping TIMEOUT 180)

add_test(NAME shipping_package_test
         COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/package_test.sh ${CMAKE_BINARY_DIR}
                 ${CMAKE_BINARY_DIR}/shipping/package_test)
set_tests_properties(shipping_package_test PROPERTIES LABELS shipping TIMEOUT 300 COST 15)

# The product CD: build/corvane-cd.iso (xorriso, Rock Ridge and Joliet), with autorun.sh at
# its root; made on request, not by the default build.
set(cd_image_needs)
foreach(target panorel demo_cd sizing exhaust cdztool framix32 panorel_man_page sizing_man_page
               exhaust_man_page cdztool_man_page corvane_saved_values panorel_web_control)
  if(TARGET ${target})
    list(APPEND cd_image_needs ${target})
  endif()
endforeach()
add_custom_target(cd_image
  COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/cd_image.sh ${CMAKE_BINARY_DIR}
          ${CMAKE_BINARY_DIR}/corvane-cd.iso
  COMMENT "Making the product CD's disc image corvane-cd.iso"
  USES_TERMINAL)
add_dependencies(cd_image ${cd_image_needs})

# With the demo's walk, where its test and the probe it needs are built.
set(cd_walk "")
set(cd_walk_script ${PROJECT_SOURCE_DIR}/demo/tests/demo_walk_e2e.sh)
if(EXISTS ${cd_walk_script} AND TARGET panorel_x11_probe)
  set(cd_walk ${cd_walk_script} $<TARGET_FILE:panorel_x11_probe>)
endif()
add_test(NAME shipping_cd_image_test
         COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/cd_image_test.sh ${CMAKE_BINARY_DIR}
                 ${CMAKE_BINARY_DIR}/shipping/cd_image_test ${cd_walk})
set_tests_properties(shipping_cd_image_test PROPERTIES LABELS shipping TIMEOUT 300 COST 45)
