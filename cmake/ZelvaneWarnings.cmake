# Warnings as errors on our own targets only; set PRIVATE so consumers are not affected.
# g++ 12 reports false -Wrestrict errors on std::string concatenation at -O3 (GCC bug 105329),
# and, with the sanitizers' instrumentation, false -Wmaybe-uninitialized errors inside
# libstdc++'s <regex> (GCC bug 105562).
function(zlv_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion -Werror
                                           $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
  if(ZLV_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
  endif()
endfunction()
