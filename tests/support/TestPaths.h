// Where tests find their data and leave their output. Every test source sees OLVA_TEST_DATA_DIR and
// OLVA_TEST_OUT_DIR (C strings) through this header, which the build includes first: the folders are given
// relative to the source tree and resolved by the test main's library, the one place that knows where
// the trees are, so that compiled tests carry no absolute path and a checkout elsewhere reuses the
// compiler cache.
#pragma once

// A path below the source tree (e.g. "tests/win/data"), made absolute.
const char* OlvaTestSourcePath(const char* relative);
// build/test-output, where tests leave pictures and files for inspection.
const char* OlvaTestOutputPath();
