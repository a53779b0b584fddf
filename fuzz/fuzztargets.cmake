# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# widgetdeck_fuzz_targets(OUT): the fuzz targets (fuzz/<name>.cpp) whose family is built.
# Used by fuzz/ (libFuzzer or replay drivers) and by tests/hostile (seed replay in the suite).
set(_wd_fuzz_targets
    "fuzz_ipeditors:network" "fuzz_netcommands:network" "fuzz_routetable:network"
    "fuzz_foldername:path" "fuzz_hexentry:numeric" "fuzz_hexexplain:numeric" "fuzz_slidertime:dialogs")
function(widgetdeck_fuzz_targets out)
    set(_built)
    foreach(_entry IN LISTS _wd_fuzz_targets)
        string(REGEX MATCH "^([^:]+):(.+)$" _match ${_entry})
        if(CMAKE_MATCH_2 IN_LIST WIDGETDECK_FAMILIES)
            list(APPEND _built ${CMAKE_MATCH_1})
        endif()
    endforeach()
    set(${out} ${_built} PARENT_SCOPE)
endfunction()
