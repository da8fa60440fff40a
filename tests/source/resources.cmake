# The recording window's skin and button pictures, which the program's windows read from its resources.
olva_embed_skin_assets(${OLVA_TEST_EXE})
