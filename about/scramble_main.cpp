// Reads plain about lines (ASCII), one a line, and prints each as the scrambled string literal
// to store in aboutlines.cpp.in.

#include <iostream>
#include <string>

#include "scramble.h"

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::u16string plain(line.begin(), line.end());
        std::cout << ostrel::scrambledLiteral(plain) << '\n';
    }
}
