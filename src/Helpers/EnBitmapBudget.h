#pragma once
// The decoded pixel memory the pictures of one skin may take together. Pictures decode on several threads
// at once, so a decoder reserves its image's pixel memory atomically, from the width and height in the
// header, before it allocates a byte of it; a picture the budget has no room for stays undecoded.

#include <atomic>
#include <cstdint>
#include <string>

// A byte count as limits are written in messages: "256 MiB", "1 GiB", "1536 KiB", "1000 bytes".
std::string ByteCountText(uint64_t bytes);

// Decoded pixels of all pictures of a skin, counted like kMaxImagePixelBytes (4 bytes per pixel).
inline constexpr uint64_t kDefaultSkinPixelBytes = uint64_t(1) << 30;

// Shared by the threads that decode one skin's pictures.
class CPixelBudget {
public:
    explicit CPixelBudget(uint64_t limit) : m_limit(limit) {}
    CPixelBudget(const CPixelBudget&) = delete;
    CPixelBudget& operator=(const CPixelBudget&) = delete;

    // Takes `bytes` when they fit beside what is taken; false, and nothing taken, otherwise.
    bool Take(uint64_t bytes);
    void Give(uint64_t bytes) { m_used.fetch_sub(bytes, std::memory_order_relaxed); }
    uint64_t Used() const { return m_used.load(std::memory_order_relaxed); }
    uint64_t Limit() const { return m_limit; }

private:
    const uint64_t m_limit;
    std::atomic<uint64_t> m_used{0};
};

// One picture's share of a CPixelBudget while it decodes, handed down to the decoder. What the decoder was
// given goes back to the budget unless Keep() is called once the picture decoded. Without a budget every
// request is granted.
class CPixelCharge {
public:
    explicit CPixelCharge(CPixelBudget* budget = nullptr) : m_budget(budget) {}
    ~CPixelCharge();
    CPixelCharge(const CPixelCharge&) = delete;
    CPixelCharge& operator=(const CPixelCharge&) = delete;

    // Raises the picture's share to `bytes`. A picture holds one pixel buffer at a time (a decoder that
    // tries several entries, or several formats, drops the earlier try), so shares do not add up. False
    // when the budget has no room left; Refused() then says so for good.
    bool Need(uint64_t bytes);
    void Keep() { m_kept = true; }
    bool Refused() const { return m_refused; }
    uint64_t Held() const { return m_held; }
    // Why a picture was refused, for its error text and the open's warning.
    std::string RefusalText() const;

private:
    CPixelBudget* m_budget;
    uint64_t m_held = 0;
    bool m_refused = false;
    bool m_kept = false;
};
