# widgetdeck_families_built(OUT family...) sets OUT to TRUE when every named family is
# among WIDGETDECK_FAMILIES, so optional parts can follow a narrowed build.
function(widgetdeck_families_built out)
    set(_all TRUE)
    foreach(_family IN LISTS ARGN)
        if(NOT _family IN_LIST WIDGETDECK_FAMILIES)
            set(_all FALSE)
        endif()
    endforeach()
    set(${out} ${_all} PARENT_SCOPE)
endfunction()
