// The class library's fixture for scripted input on the headless screen, built once more into this
// executable so the application's controls and dialogs are driven the way the library's own are.
#include "tests/vcl/StdCtrlsTestSupport.cpp"
