# Tests of the timetable views: home page, month table, calendars and the
# day pop-up. Included from this folder's CMakeLists.txt.

# A small timetable plug-in with a year-end range, a zone without a table
# and a two-line zone name; it lands in bin/fakealmarik/ under the real
# plug-in's file name so that a test can bind it instead of the real one.
add_library(fakealmarikdata MODULE fakealmarikdata.cpp)
set_target_properties(fakealmarikdata PROPERTIES PREFIX "" OUTPUT_NAME AlmarikData
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/fakealmarik)
target_link_libraries(fakealmarikdata PRIVATE almarik_pluginapi Qt5::Core)

almarik_add_test(NAME test_homepage SOURCES test_homepage.cpp viewsharness.h LIBS almarik_gui)
almarik_add_test(NAME test_calendar SOURCES test_calendar.cpp viewsharness.h LIBS almarik_gui)
almarik_add_test(NAME test_viewsnoplugin SOURCES test_viewsnoplugin.cpp viewsharness.h LIBS almarik_gui)
almarik_add_test(NAME test_viewsfakedata SOURCES test_viewsfakedata.cpp viewsharness.h LIBS almarik_gui)
add_dependencies(test_viewsfakedata fakealmarikdata)
if(TARGET AlmarikData)
    add_dependencies(test_homepage AlmarikData)
    add_dependencies(test_calendar AlmarikData)
endif()
almarik_add_test(NAME test_ownplace SOURCES test_ownplace.cpp viewsharness.h LIBS almarik_gui)
if(TARGET AlmarikData)
    add_dependencies(test_ownplace AlmarikData)
endif()

# The countdown, the Qibla page and the timetable export.
almarik_add_test(NAME test_prayerextras SOURCES test_prayerextras.cpp viewsharness.h LIBS almarik_gui)
if(TARGET AlmarikData)
    add_dependencies(test_prayerextras AlmarikData)
endif()
