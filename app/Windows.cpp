#include "app/Windows.h"

TfWindows DefaultWindows() {
    TfWindows w;
    return w;
}
