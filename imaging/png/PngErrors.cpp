#include "imaging/png/PngErrors.h"

std::string PngZlibErrorText(int code) {
    const char* name = "";
    switch (code) {
    case -6:
        name = "incompatible version ";
        break;
    case -5:
        name = "buffer error ";
        break;
    case -4:
        name = "insufficient memory ";
        break;
    case -3:
        name = "data error ";
        break;
    case -2:
        name = "stream error ";
        break;
    case -1:
        name = "file error ";
        break;
    case 1:
        name = "stream end ";
        break;
    case 2:
        name = "need dictionary ";
        break;
    default:
        break;
    }
    return std::string(name) + "(" + std::to_string(code) + ")";
}
