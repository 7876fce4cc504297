# Saving and reading whole data files: plain C++ and the system's file
# calls, no Qt, so the file formats in the protocol libraries use it and
# the fuzz build has it.
add_library(pivora_files STATIC ${CMAKE_CURRENT_LIST_DIR}/AtomicFile.cpp)
target_include_directories(pivora_files PUBLIC ${CMAKE_CURRENT_LIST_DIR})
