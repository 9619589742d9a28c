# Writes galbix-cli's manual page: the template MODELE with its marker line replaced by the
# subcommand section that the program CLI prints from its own table.
# usage: cmake -DCLI=... -DMODELE=... -DSORTIE=... -P PageManCli.cmake
execute_process(COMMAND ${CLI} --page-man OUTPUT_VARIABLE section RESULT_VARIABLE statut)
if(NOT statut EQUAL 0 OR NOT section MATCHES "^\\.SH ")
  message(FATAL_ERROR "${CLI} --page-man failed (${statut})")
endif()
file(READ ${MODELE} page)
string(REPLACE "GALBIX_SOUS_COMMANDES\n" "${section}" page "${page}")
file(WRITE ${SORTIE} "${page}")
