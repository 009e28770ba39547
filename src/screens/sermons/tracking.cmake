# The date/location tracker and the topic and illustration assignment screens.
target_sources(lectorum_screens PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TrackingScreenCommands.cpp
)
