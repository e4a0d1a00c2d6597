#include "display/text_buffer.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {
constexpr std::int32_t kBlockStep = 1000;
constexpr std::int32_t kSpare = 10;  // bytes kept free beyond the text and its terminator
}  // namespace

TextBuffer::TextBuffer() : capacity(kBlockStep), data(static_cast<char*>(std::malloc(kBlockStep))) {
    if (!data) throw std::bad_alloc();
    clear();
}

TextBuffer::~TextBuffer() { std::free(data); }

void TextBuffer::clear() {
    length = 0;
    data[0] = 0;
}

TextBuffer& TextBuffer::assign(const char* text) {
    clear();
    append(text);
    return *this;
}

std::int32_t TextBuffer::append(const char* text) {
    return appendCount(text, static_cast<std::int32_t>(std::strlen(text)));
}

std::int32_t TextBuffer::appendCount(const char* text, std::int32_t n) {
    if (n < 0) return 0;
    // 64-bit sum: a huge n must fail to grow, not wrap round and pass the test.
    while (std::int64_t{length} + n + kSpare >= capacity) {
        if (!grow()) return 0;
    }
    if (n > 0) std::memcpy(data + length, text, static_cast<std::size_t>(n));
    length += n;
    data[length] = 0;
    return length;
}

std::int32_t TextBuffer::grow() {
    if (capacity > INT32_MAX - kBlockStep) return 0;
    const std::int32_t wanted = capacity + kBlockStep;
    char* block = static_cast<char*>(std::realloc(data, static_cast<std::size_t>(wanted)));
    if (!block) return 0;
    data = block;
    capacity = wanted;
    return 1;
}

std::int32_t formatInt(std::int32_t value, std::int32_t radix, char* out) {
    if (radix < 2 || radix > 36) radix = 10;
    char digits[40];
    std::int32_t count = 0;
    const bool negative = radix == 10 && value < 0;
    // Decimal negatives are written as the magnitude; 2^31 fits only unsigned.
    std::uint32_t rest = negative ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    do {
        const std::uint32_t digit = rest % static_cast<std::uint32_t>(radix);
        digits[count++] = static_cast<char>(digit < 10 ? '0' + digit : 'a' + digit - 10);
        rest /= static_cast<std::uint32_t>(radix);
    } while (rest != 0);
    std::int32_t pos = 0;
    if (negative) out[pos++] = '-';
    while (count > 0) out[pos++] = digits[--count];
    out[pos] = 0;
    return pos;
}

std::int32_t TextBuffer::appendInt(std::int32_t value, std::int32_t radix) {
    char scratch[52];
    formatInt(value, radix, scratch);
    return append(scratch);
}
