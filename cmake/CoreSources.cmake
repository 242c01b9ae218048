# The portable core's sources, relative to the repository root: one list for
# the libraries of the main build and for the instrumented fuzz build.
set(TESSAVAR_DATA_SOURCES
  data/gamedata.cpp
  data/modern_species.cpp
  data/game_definitions.cpp
  data/species_order.cpp)
set(TESSAVAR_ENGINE_SOURCES
  engine/stat_formulas.cpp
  engine/iv_engine.cpp
  engine/clues.cpp
  engine/hidden_power.cpp
  engine/level_hints.cpp)
set(TESSAVAR_DOCUMENT_SOURCES
  document/observation.cpp
  document/document.cpp
  document/result_line.cpp
  document/utf8.cpp)

# Prefixes each entry of a list variable with a root folder.
function(tessavar_sources_under root out)
  set(paths)
  foreach(source ${ARGN})
    list(APPEND paths ${root}/${source})
  endforeach()
  set(${out} ${paths} PARENT_SCOPE)
endfunction()
