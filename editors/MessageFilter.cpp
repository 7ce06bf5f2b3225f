#include "editors/MessageFilter.h"

bool AcceptMessageKey(char32_t key) {
    constexpr char32_t Backspace = 8;
    constexpr char32_t Enter = 13;
    return key == Backspace || key == Enter || key == U' ' || (key >= U'0' && key <= U'9') ||
           (key >= U'A' && key <= U'Z') || (key >= U'a' && key <= U'z');
}
