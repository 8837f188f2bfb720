# Run by CPack on the staged package tree, before the .deb is made from it.
# Debian keeps the programs of games in /usr/games and lintian rejects a package
# of section games without one; a plain `cmake --install` keeps bin/.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/brightmoose-derudirodozir" "${usr}/games/brightmoose-derudirodozir")
file(GLOB left "${usr}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${usr}/bin")
endif()
