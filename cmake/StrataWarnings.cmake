# strata_warnings(target): the project's warning set, errors when STRATA_WERROR is on.
function(strata_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                         $<$<BOOL:${STRATA_WERROR}>:-Werror>)
endfunction()
