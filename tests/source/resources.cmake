# The recording window's skin and button pictures, which the program's windows read from its resources.
olva_embed_skin_assets(${OLVA_TEST_EXE})
# The welcome window's banner and the manual, which the program tests read where the build puts them
# beside the program.
add_dependencies(${OLVA_TEST_EXE} olva_welcome olva_manual)
# The command pictures the main window cuts into its image lists, and their generator, whose checks the
# picture tests run.
olva_embed_command_icons(${OLVA_TEST_EXE})
target_link_libraries(${OLVA_TEST_EXE} PRIVATE olva_commandicons)
# The bar gallery's stand-in toolbars and menus, through which the picture tests draw the command pictures
# with the bar painters.
target_sources(${OLVA_TEST_EXE} PRIVATE ${PROJECT_SOURCE_DIR}/tests/ui/bars/gallery/BarStandIns.cpp)
target_include_directories(${OLVA_TEST_EXE} PRIVATE ${PROJECT_SOURCE_DIR}/tests/ui/bars)
