// A growable, zero-terminated character buffer in which the panel's readouts are formatted.
//
// The block starts at 1000 bytes, grows by 1000 and never shrinks, so the formatting done
// on every pointer move allocates nothing once the buffer has reached its size.
#pragma once

#include <cstddef>
#include <cstdint>

class TextBuffer {
public:
    TextBuffer();
    virtual ~TextBuffer();
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    void clear();
    TextBuffer& assign(const char* text);
    std::int32_t append(const char* text);
    // Appends exactly n bytes (zero bytes included); returns the new length, 0 on failure.
    std::int32_t appendCount(const char* text, std::int32_t n);
    // Decimal values get a minus sign; other radixes write the 32-bit pattern unsigned,
    // with lower-case letters for digits above 9.
    std::int32_t appendInt(std::int32_t value, std::int32_t radix);
    // Enlarges the block by 1000 bytes; on failure the block and its text stay as they were.
    std::int32_t grow();

    std::int32_t capacity = 0;  // usable size of the block in bytes
    std::int32_t length = 0;    // characters held, not counting the terminator
    char* data = nullptr;       // the block; data[length] is always 0
};

// Writes value in radix (2 to 36) into out, zero-terminated; returns the digit count.
// out needs room for 33 characters plus the terminator.
std::int32_t formatInt(std::int32_t value, std::int32_t radix, char* out);
