# kgh_embed_resource(<target> <symbol> <file>)
# Compiles <file> byte for byte into <target> as `std::string_view kgh::resources::<symbol>()`.
# The bytes are embedded as numbers, so line ends (CR LF in the template) survive any checkout setting.
function(kgh_embed_resource target symbol file)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${out} -DSYMBOL=${symbol}
            -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
    DEPENDS "${file}" "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
