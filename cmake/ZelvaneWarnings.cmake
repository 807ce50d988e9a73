# Warnings as errors on our own targets only; set PRIVATE so consumers are not affected.
function(zlv_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion -Werror)
endfunction()
