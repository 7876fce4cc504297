# The panels' reply codecs, encoders and PRESET.DAT: plain C++, no Qt, so
# they are table-tested and fuzzed without widgets.
add_library(pivora_panel_codecs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DayNightCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dsp7100Codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Encoders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PresetFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReplyView.cpp
)
target_include_directories(pivora_panel_codecs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(pivora_panel_codecs PUBLIC pivora_link)


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
target_link_libraries(pivora_tours_codecs PUBLIC pivora_panel_codecs)
