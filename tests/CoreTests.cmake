# The rules tests' files, shared by the native build and the Windows cross-build.
set(BARKMOOR_CORE_TEST_SOURCES)
foreach(file
    core_catcher.cpp
    core_finance.cpp
    core_high_scores.cpp
    core_market_news.cpp
    core_place_events.cpp
    core_random_games.cpp
    core_random_prices.cpp
    core_trade.cpp
    core_travel.cpp
    core_whole_number.cpp
    support/RandomPlay.h
    support/ScriptedPrompts.h)
  list(APPEND BARKMOOR_CORE_TEST_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${file})
endforeach()
