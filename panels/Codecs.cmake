# The panels' reply codecs, encoders and PRESET.DAT: plain C++, no Qt, so
# they are table-tested and fuzzed without widgets.
add_library(pivora_panel_codecs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DayNightCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dsp7100Codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dsp8270Codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dsp723xCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dsp7440Codec.cpp
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
  ${CMAKE_CURRENT_LIST_DIR}/Thermal2Codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThermalCodec.cpp
)
target_include_directories(pivora_panel_codecs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(pivora_panel_codecs PUBLIC pivora_link pivora_files)


# The tours and sectors dialog's files, commands, reply decoder and download
# steps: plain C++ as well.
add_library(pivora_tours_codecs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/../tours/CamFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tours/ConfigDownload.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tours/DomeFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tours/DomeRecords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../tours/ToursSectorsCodec.cpp
)
target_include_directories(pivora_tours_codecs PUBLIC ${CMAKE_CURRENT_LIST_DIR}/../tours)
target_link_libraries(pivora_tours_codecs PUBLIC pivora_panel_codecs pivora_files)
