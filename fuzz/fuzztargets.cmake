# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# widgetdeck_fuzz_targets(OUT): the fuzz targets (fuzz_*.cpp) whose families are built.
# Used by fuzz/ (libFuzzer or replay drivers) and by tests/hostile (seed replay in the suite).
set(_wd_fuzz_needs
    "fuzz_ipeditors:network" "fuzz_netcommands:network" "fuzz_routetable:network"
    "fuzz_foldername:path" "fuzz_hexexplain:numeric" "fuzz_hexvalidator:numeric"
    "fuzz_multihexspinbox:numeric" "fuzz_slidertime:dialogs")
function(widgetdeck_fuzz_targets out)
    file(GLOB _sources RELATIVE ${PROJECT_SOURCE_DIR}/fuzz ${PROJECT_SOURCE_DIR}/fuzz/fuzz_*.cpp)
    set(_built)
    foreach(_source IN LISTS _sources)
        get_filename_component(_name ${_source} NAME_WE)
        set(_ok TRUE)
        foreach(_entry IN LISTS _wd_fuzz_needs)
            if(_entry MATCHES "^${_name}:(.*)$")
                widgetdeck_families_built(_ok ${CMAKE_MATCH_1})
            endif()
        endforeach()
        if(_ok)
            list(APPEND _built ${_name})
        endif()
    endforeach()
    set(${out} ${_built} PARENT_SCOPE)
endfunction()
