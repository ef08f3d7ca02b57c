# The transducers the tests and the fuzz seeds use, compiled at build time from our own lexc and
# twolc sources (tests/data/analyser) with Debian's hfst tools: an analyser in the
# optimized-lookup format (unweighted and weighted), the same in OpenFst's and foma's formats, and
# the generator it was inverted from. No transducer is kept in the repository.
#
# pelmora_test_transducers(OUT TARGET) makes the custom target TARGET that writes them into OUT
# and sets PELMORA_HFST_FOUND in the caller; without the tools it makes nothing and sets it FALSE.
function(pelmora_test_transducers out target)
  set(found TRUE)
  foreach(tool lexc twolc compose-intersect invert fst2fst)
    string(REPLACE "-" "_" variable "PELMORA_HFST_${tool}")
    find_program(${variable} hfst-${tool})
    if(NOT ${variable})
      set(found FALSE)
    endif()
  endforeach()
  set(PELMORA_HFST_FOUND ${found} PARENT_SCOPE)
  if(NOT found)
    return()
  endif()
  set(source ${PROJECT_SOURCE_DIR}/tests/data/analyser)
  add_custom_command(
    OUTPUT ${out}/liv.hfstol ${out}/liv-weighted.hfstol ${out}/liv.hfst ${out}/liv.foma ${out}/liv-generator.hfstol
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND ${PELMORA_HFST_lexc} -q ${source}/liv.lexc -o ${out}/lexicon.hfst
    COMMAND ${PELMORA_HFST_twolc} -q ${source}/liv.twolc -o ${out}/rules.hfst
    COMMAND ${PELMORA_HFST_compose_intersect} -1 ${out}/lexicon.hfst -2 ${out}/rules.hfst -o ${out}/generator.hfst
    COMMAND ${PELMORA_HFST_invert} ${out}/generator.hfst -o ${out}/liv.hfst
    COMMAND ${PELMORA_HFST_fst2fst} -O -i ${out}/liv.hfst -o ${out}/liv.hfstol
    COMMAND ${PELMORA_HFST_fst2fst} -w -i ${out}/liv.hfst -o ${out}/liv-weighted.hfstol
    COMMAND ${PELMORA_HFST_fst2fst} -f foma -i ${out}/liv.hfst -o ${out}/liv.foma
    COMMAND ${PELMORA_HFST_fst2fst} -O -i ${out}/generator.hfst -o ${out}/liv-generator.hfstol
    DEPENDS ${source}/liv.lexc ${source}/liv.twolc
    COMMENT "Compiling the test transducers with the hfst tools"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${out}/liv.hfstol)
endfunction()
