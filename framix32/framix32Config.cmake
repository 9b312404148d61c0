# find_package(framix32): the imported target framix32::framix32 (the shared library and
# its header framix32.h).
include("${CMAKE_CURRENT_LIST_DIR}/framix32Targets.cmake")
