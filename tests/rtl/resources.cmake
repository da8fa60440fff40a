# Resources the runtime tests read back through FindResource and TResourceStream.
olva_embed_resources(${OLVA_TEST_EXE} RCDATA
    EMBEDDED_TEXT=${CMAKE_CURRENT_LIST_DIR}/data/embedded.txt
    EMPTY=${CMAKE_CURRENT_LIST_DIR}/data/empty.bin)
olva_embed_resources(${OLVA_TEST_EXE} BINARY
    "Mixed Case=${CMAKE_CURRENT_LIST_DIR}/data/binary.bin")
