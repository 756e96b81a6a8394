# Warnings in our own code. Development and CI turn them into errors (scripts/test.sh sets
# ZUZAZIZO_WERROR); a user's build of a release must not stop because a newer or older compiler
# finds something new to warn about.
option(ZUZAZIZO_WERROR "Treat compiler warnings in our code as errors" OFF)

function(zuzazizo_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${ZUZAZIZO_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${ZUZAZIZO_WERROR}>:-Werror>)
  endif()
endfunction()
