# The panels' reply codecs, encoders and PRESET.DAT: plain C++, no Qt, so
# they are table-tested and fuzzed without widgets.
add_library(pivora_panel_codecs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DayNightCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dsp7100Codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dsp8270Codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Encoders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Lens55xCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LensMaintenanceCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HiDefCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IlluminatorCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OtherMaintenanceCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PresetFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrivacyZoneCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReplyView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WashCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WipeCodec.cpp
)
target_include_directories(pivora_panel_codecs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(pivora_panel_codecs PUBLIC pivora_link pivora_files)

