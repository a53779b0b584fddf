# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# widgetdeck_fuzz_targets(OUT): the fuzz targets (fuzz/<name>.cpp) whose family is built.
# Used by fuzz/ (libFuzzer or replay drivers) and by tests/hostile (seed replay in the suite).
set(_wd_fuzz_network fuzz_ipeditors fuzz_netcommands fuzz_routetable)
set(_wd_fuzz_path fuzz_foldername)
set(_wd_fuzz_numeric fuzz_hexentry fuzz_hexexplain)
set(_wd_fuzz_dialogs fuzz_slidertime)
function(widgetdeck_fuzz_targets out)
    set(_built)
    foreach(_family IN LISTS WIDGETDECK_FAMILIES)
        list(APPEND _built ${_wd_fuzz_${_family}})
    endforeach()
    set(${out} ${_built} PARENT_SCOPE)
endfunction()
