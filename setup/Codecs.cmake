# What the address search, camera ID, azimuth and pan/tilt module dialogs
# decide and send: plain C++, no Qt, so it is table-tested and fuzzed
# without widgets.
add_library(pivora_setup_codecs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/AzimuthCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CameraIdCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FindAddressCodec.cpp
)
target_include_directories(pivora_setup_codecs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
