# Compiler flags the set-up scripts share (sourced, not run). Debug information: line tables
# only where a report is read (the sanitizer and fuzz builds), none in build/, whose compile
# time it would otherwise dominate; run.sh and test.sh configure build/ alike, so that one
# after the other rebuilds nothing.
lines_only=(-DCMAKE_C_FLAGS_DEBUG=-g1 -DCMAKE_CXX_FLAGS_DEBUG=-g1
            "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"
            "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG")
no_debug_info=("-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG"
               "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG")
