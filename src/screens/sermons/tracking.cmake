# The date/location tracker and the topic and illustration assignment screens.
target_sources(lectorum_screens_sermons PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TrackingScreenCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrackingWorkArea.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrackingWorkArea.h
    ${CMAKE_CURRENT_LIST_DIR}/frmDateLoc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmDateLoc.h
    ${CMAKE_CURRENT_LIST_DIR}/frmDateLocList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OccasionReuseCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OccasionReuseCheck.h
    ${CMAKE_CURRENT_LIST_DIR}/frmAssignTopics.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmAssignTopics.h
)
