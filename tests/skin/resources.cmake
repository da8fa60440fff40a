# Our generated skins and button pictures, which the skin checks read back as the program would, and the
# generator itself, which they run again to compare.
olva_embed_skin_assets(${OLVA_TEST_EXE})
target_link_libraries(${OLVA_TEST_EXE} PRIVATE olva_skingen)
