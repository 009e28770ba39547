# Tracker and assignment screens.
lectorum_add_test(tst_tracker SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_tracker.cpp LIBS lectorum_screens)
lectorum_add_test(tst_assign SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_assign.cpp LIBS lectorum_screens)
