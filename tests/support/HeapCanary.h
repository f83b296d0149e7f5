#pragma once

namespace karvelio::testing {

// Catches writes far past the end of a heap block, which land inside another
// live block where even AddressSanitizer sees nothing. While a HeapCanary is
// alive every new block gets a trailer of known bytes, long enough for any
// 16-bit index into 4-byte entries; a block whose trailer has changed by the
// time it is freed counts as an overrun.
//
// It replaces the global operator new and delete of the test program that
// links it, so link it into one program only.
class HeapCanary {
public:
    HeapCanary();
    ~HeapCanary();
    HeapCanary(const HeapCanary&) = delete;
    HeapCanary& operator=(const HeapCanary&) = delete;

    // Overrun blocks freed since this canary was made: free a block before
    // asking about it.
    int Overruns() const;
};

} // namespace karvelio::testing
