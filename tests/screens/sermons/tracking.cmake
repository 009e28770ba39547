# Tracker and assignment screens.
lectorum_add_test(tst_tracker SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tracker.cpp LIBS lectorum_screens lectorum_screentestsupport)
lectorum_add_test(tst_assign SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_assign.cpp LIBS lectorum_screens lectorum_screentestsupport)
# Passage search from the sermon screen, the preaching history and the reuse question.
lectorum_add_test(tst_passagehistory SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_passagehistory.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../selection/SermonScreenFixture.h LIBS lectorum_screens lectorum_screentestsupport)
