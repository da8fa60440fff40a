# The recording window's skin and button pictures, which the program's windows read from its resources.
olva_embed_skin_assets(${OLVA_TEST_EXE})
# The welcome window's banner and the manual, which the program tests read where the build puts them
# beside the program.
add_dependencies(${OLVA_TEST_EXE} olva_welcome olva_manual)
