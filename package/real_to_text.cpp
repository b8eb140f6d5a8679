// Apart from the other text operations: printing a real brings in the C
// library's formatted output, which a program that prints none should not carry.

#include <cstdio>

#include "package/text_ops.h"

Text realToText(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.13g", x);
    return Text(buffer);
}
