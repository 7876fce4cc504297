# The panels' reply codecs, encoders and PRESET.DAT: plain C++, no Qt, so
# they are table-tested and fuzzed without widgets.
add_library(pivora_panel_codecs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DayNightCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dsp7100Codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dsp723xCodec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dsp7440Codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Encoders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PresetFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReplyView.cpp
)
target_include_directories(pivora_panel_codecs PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(pivora_panel_codecs PUBLIC pivora_link)

