# Build settings shared by every target.

# Sources are UTF-8; every text reaches the programs as GBK bytes.
function(vyr_gbk_texts target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK)
  elseif(MSVC)
    target_compile_options(${target} PRIVATE /source-charset:utf-8 /execution-charset:.936)
  else()
    message(WARNING "${CMAKE_CXX_COMPILER_ID} cannot store texts as GBK; ${target} holds UTF-8 texts")
  endif()
endfunction()

# The Windows programs start from a CD: no exceptions, no RTTI, no unwind
# tables, unused code dropped. C++20 keeps libstdc++ from declaring its
# prebuilt std::string instantiations, which carry the exception machinery;
# the programs have one thread, so local statics need no locking (which
# would bring in the threads library).
function(vyr_small_code target)
  vyr_gbk_texts(${target})
  if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_features(${target} PRIVATE cxx_std_20)
    target_compile_options(${target} PRIVATE -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
                                             -fno-threadsafe-statics -ffunction-sections -fdata-sections)
  endif()
endfunction()

function(vyr_windows_program target)
  vyr_small_code(${target})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_link_libraries(${target} PRIVATE vyr_no_throw)
    target_link_options(${target} PRIVATE -static -s -mwindows -municode -Wl,--gc-sections)
  endif()
endfunction()

# A generated source holding the bytes of INPUT as <SYMBOL>Bytes and <SYMBOL>Size.
function(vyr_embed output symbol input)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol} -P ${PROJECT_SOURCE_DIR}/cmake/embed.cmake
    DEPENDS ${input} ${PROJECT_SOURCE_DIR}/cmake/embed.cmake ${ARGN}
    VERBATIM)
endfunction()
