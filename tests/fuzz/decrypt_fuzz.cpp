// Decrypt over arbitrary 16-bit strings: it keeps the length, is idempotent, changes exactly the
// units U+00C0 to U+00FD (into A-Z, a-z and 0-9, in order) and overflows exactly above 32,767.

#include <cstdint>
#include <cstdlib>

#include "decrypt.h"
#include "errors.h"
#include "fuzzinput.h"

namespace {

constexpr std::size_t kMaxLength = 32767;

char16_t expectedUnit(char16_t c)
{
    if (c >= 0xc0 && c <= 0xd9) return static_cast<char16_t>(u'A' + (c - 0xc0));
    if (c >= 0xda && c <= 0xf3) return static_cast<char16_t>(u'a' + (c - 0xda));
    if (c >= 0xf4 && c <= 0xfd) return static_cast<char16_t>(u'0' + (c - 0xf4));
    return c;
}

void check(bool condition)
{
    if (!condition) std::abort();
}

// Decrypts the input and checks every invariant; the overflow error must come exactly when the
// input is longer than 32,767 units, and no other exception ever.
void checkDecrypt(const std::u16string& input, bool again)
{
    std::u16string output;
    try {
        output = ostrel::Decrypt(input);
    } catch (const ostrel::RuntimeError& error) {
        check(input.size() > kMaxLength && error.number() == 6);
        return;
    }
    check(input.size() <= kMaxLength);
    check(output.size() == input.size());
    for (std::size_t i = 0; i < input.size(); ++i) check(output[i] == expectedUnit(input[i]));
    if (again) check(ostrel::Decrypt(output) == output);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string input = ostrel::fuzz::units(data, size);
    checkDecrypt(input, true);

    // Inputs whose first unit is 1 modulo 64 are also padded with blanks to a length just
    // below, at or just above the bound; blanks keep such a long run quick.
    if (!input.empty() && input[0] % 64 == 1) {
        std::u16string long_input = input;
        long_input.resize(kMaxLength - 1 + (input[0] / 64) % 3, u' ');
        checkDecrypt(long_input, false);
    }
    return 0;
}
